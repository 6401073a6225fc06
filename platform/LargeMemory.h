// Memory for a large array read in random order (a sort's key copies):
// aligned to 2 MB and advised to be kept in large pages where the system
// offers them, so that reads all over a block of hundreds of megabytes do
// not each miss the processor's cache of address translations. Smaller
// blocks are ordinary memory, aligned to a cache line. Any thread.
#pragma once

#include <cstddef>
#include <new>

// A block of at least bytes bytes (aligned to 64 bytes, and to 2 MB from
// 2 MB on); throws std::bad_alloc when there is no memory. Free it with
// FreeLarge.
void* AllocateLarge(size_t bytes);
void FreeLarge(void* block);

// An allocator for std::vector of such arrays; the element's alignment may
// be at most 64 bytes.
template <typename T>
struct LargeAllocator {
  static_assert(alignof(T) <= 64, "LargeAllocator aligns to 64 bytes");
  using value_type = T;
  LargeAllocator() = default;
  template <typename U>
  LargeAllocator(const LargeAllocator<U>&) {}
  T* allocate(size_t count) {
    if (count > static_cast<size_t>(-1) / sizeof(T)) throw std::bad_alloc();
    return static_cast<T*>(AllocateLarge(count * sizeof(T)));
  }
  void deallocate(T* block, size_t) { FreeLarge(block); }
  template <typename U>
  bool operator==(const LargeAllocator<U>&) const { return true; }
};
