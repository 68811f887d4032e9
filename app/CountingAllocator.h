#pragma once
#include <cstddef>
#include <memory>

// The standard allocator, keeping a running total of the bytes it holds, so that
// the size of what a container keeps on the heap is measured, not estimated.
// Every copy and rebinding adds to the same total, which must outlive them all.
template <class T>
class CountingAllocator {
public:
    using value_type = T;

    explicit CountingAllocator(std::size_t& total) noexcept : total_(&total) {}
    template <class U>
    CountingAllocator(const CountingAllocator<U>& other) noexcept : total_(other.total_)
    {
    }

    T* allocate(std::size_t n)
    {
        T* items = std::allocator<T>().allocate(n);
        *total_ += n * sizeof(T);
        return items;
    }

    void deallocate(T* items, std::size_t n) noexcept
    {
        *total_ -= n * sizeof(T);
        std::allocator<T>().deallocate(items, n);
    }

    template <class U>
    bool operator==(const CountingAllocator<U>& other) const noexcept
    {
        return total_ == other.total_;
    }

private:
    template <class U>
    friend class CountingAllocator;

    std::size_t* total_;
};
