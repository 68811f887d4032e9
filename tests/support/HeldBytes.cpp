#include "support/HeldBytes.h"

#include <cstdlib>
#include <new>

namespace {

bool counting = false;
bool refusing = false;
std::size_t held = 0;

// Each block carries its counted size in front of it, 0 when it was not counted.
constexpr std::size_t header = alignof(std::max_align_t);

void* allocate(std::size_t size)
{
    auto* block = refusing ? nullptr : static_cast<unsigned char*>(std::malloc(size + header));
    if (!block)
        throw std::bad_alloc();
    const std::size_t counted = counting ? size : 0;
    *reinterpret_cast<std::size_t*>(block) = counted;
    held += counted;
    return block + header;
}

void release(void* pointer) noexcept
{
    if (!pointer)
        return;
    unsigned char* block = static_cast<unsigned char*>(pointer) - header;
    held -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

} // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* pointer) noexcept { release(pointer); }
void operator delete[](void* pointer) noexcept { release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { release(pointer); }

namespace support {

HeldBytes::HeldBytes()
{
    held = 0;
    counting = true;
}

HeldBytes::~HeldBytes() { counting = false; }

std::size_t HeldBytes::now() const { return held; }

NoMemory::NoMemory() { refusing = true; }
NoMemory::~NoMemory() { refusing = false; }

} // namespace support
