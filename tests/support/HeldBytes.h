#pragma once
#include <cstddef>

// What a piece of the program holds in memory, measured rather than worked out:
// a program that links this replaces the global allocation functions, and counts
// the bytes allocated while a HeldBytes lives that are not yet freed.
namespace support {

class HeldBytes {
public:
    HeldBytes();
    ~HeldBytes();
    HeldBytes(const HeldBytes&) = delete;
    HeldBytes& operator=(const HeldBytes&) = delete;

    std::size_t now() const;
};

// While one lives, every allocation fails, as when the system has no memory left.
class NoMemory {
public:
    NoMemory();
    ~NoMemory();
    NoMemory(const NoMemory&) = delete;
    NoMemory& operator=(const NoMemory&) = delete;
};

} // namespace support
