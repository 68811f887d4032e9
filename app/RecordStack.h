#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "app/CountingAllocator.h"

// A stack of short records of bytes, newest on top, whose oldest can also be
// dropped from the bottom. Records lie end to end in one run of bytes, each
// framed by its length at both ends so that either end can be read, and with
// no memory of its own beyond that: a record of three bytes costs five.
class RecordStack {
public:
    // The longest record: a length must fit in the one byte that frames it.
    static constexpr std::size_t longest = 255;

    RecordStack() = default;
    RecordStack(const RecordStack&) = delete;
    RecordStack& operator=(const RecordStack&) = delete;

    // Throws std::length_error for an empty record or one over `longest`.
    void push(const std::vector<std::uint8_t>& record);
    // The newest record, taken off; the stack must not be empty.
    std::vector<std::uint8_t> pop();
    void dropOldest();
    void clear();

    std::size_t count() const { return count_; }
    bool empty() const { return count_ == 0; }
    // What the records take on the heap, as allocated.
    std::size_t heapBytes() const { return heapBytes_; }

private:
    std::size_t heapBytes_ = 0; // declared first: the bytes' allocator counts into it
    std::deque<std::uint8_t, CountingAllocator<std::uint8_t>> bytes_{CountingAllocator<std::uint8_t>(heapBytes_)};
    std::size_t count_ = 0;
};
