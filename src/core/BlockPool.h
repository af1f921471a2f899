#pragma once

#include <cstddef>
#include <new>

namespace ktr::detail {

// Small blocks for Variant texts and arrays, recycled per thread. A decoded call builds and
// frees a hundred or more such blocks; taking them from a free list instead of the general
// allocator keeps that cost flat. A block may be freed on another thread than the one that
// took it: it simply joins that thread's list. Requests above the largest class, and blocks
// beyond what a list keeps, go to the general allocator.
class BlockPool {
public:
    static constexpr std::size_t kGranule = 16;
    static constexpr std::size_t kLargestBlock = 256;

    static void *allocate(std::size_t bytes);
    static void deallocate(void *block, std::size_t bytes) noexcept;
};

// A standard allocator over BlockPool, for the element vectors of arrays.
template <class T>
struct PoolAllocator {
    using value_type = T;
    PoolAllocator() noexcept = default;
    template <class U>
    PoolAllocator(const PoolAllocator<U> &) noexcept {}
    T *allocate(std::size_t n) { return static_cast<T *>(BlockPool::allocate(n * sizeof(T))); }
    void deallocate(T *p, std::size_t n) noexcept { BlockPool::deallocate(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const PoolAllocator<U> &) const noexcept { return true; }
};

} // namespace ktr::detail
