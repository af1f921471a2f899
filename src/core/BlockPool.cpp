#include "BlockPool.h"

#include <array>

namespace ktr::detail {

namespace {

constexpr std::size_t kClasses = BlockPool::kLargestBlock / BlockPool::kGranule;
constexpr std::size_t kKeptPerClass = 1024;

struct FreeBlock {
    FreeBlock *next;
};

struct FreeList {
    FreeBlock *head = nullptr;
    std::size_t count = 0;
};

// The lists of one thread. They are plain data so that they stay usable while other
// thread-local objects are destroyed; the drain below hands their blocks back at thread exit
// and, from then on, this thread's blocks go straight to the general allocator.
struct ThreadLists {
    std::array<FreeList, kClasses> lists;
    bool drainRegistered = false;
    bool closed = false;
};

thread_local constinit ThreadLists t_lists;

struct Drain {
    ~Drain()
    {
        t_lists.closed = true;
        for (FreeList &list : t_lists.lists) {
            while (FreeBlock *block = list.head) {
                list.head = block->next;
                ::operator delete(block);
            }
            list.count = 0;
        }
    }
};

thread_local Drain t_drain;

// Makes sure this thread's lists are handed back when the thread ends.
void registerDrain(ThreadLists &lists)
{
    if (!lists.drainRegistered) {
        lists.drainRegistered = true;
        (void)&t_drain; // the first use constructs it and registers its destructor
    }
}

std::size_t classOf(std::size_t bytes)
{
    return (bytes + BlockPool::kGranule - 1) / BlockPool::kGranule - 1;
}

} // namespace

void *BlockPool::allocate(std::size_t bytes)
{
    ThreadLists &lists = t_lists; // one look-up of the thread's storage per call
    if (bytes == 0 || bytes > kLargestBlock || lists.closed)
        return ::operator new(bytes == 0 ? 1 : bytes);
    const std::size_t c = classOf(bytes);
    FreeList &list = lists.lists[c];
    if (FreeBlock *block = list.head) {
        list.head = block->next;
        --list.count;
        return block;
    }
    return ::operator new((c + 1) * kGranule);
}

void BlockPool::deallocate(void *block, std::size_t bytes) noexcept
{
    if (!block)
        return;
    ThreadLists &lists = t_lists;
    if (bytes == 0 || bytes > kLargestBlock || lists.closed) {
        ::operator delete(block);
        return;
    }
    FreeList &list = lists.lists[classOf(bytes)];
    if (list.count >= kKeptPerClass) {
        ::operator delete(block);
        return;
    }
    registerDrain(lists);
    list.head = new (block) FreeBlock{list.head};
    ++list.count;
}

} // namespace ktr::detail
