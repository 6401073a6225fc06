#include "platform/LargeMemory.h"

#include <sys/mman.h>

#include <cstdlib>

namespace {
constexpr size_t kLargePage = size_t{2} << 20;
constexpr size_t kLine = 64;
}  // namespace

void* AllocateLarge(size_t bytes) {
  const size_t align = bytes >= kLargePage ? kLargePage : kLine;
  if (bytes == 0) bytes = 1;
  if (bytes > static_cast<size_t>(-1) - align) throw std::bad_alloc();
  // aligned_alloc wants a size that is a multiple of the alignment.
  const size_t size = (bytes + align - 1) / align * align;
  void* block = std::aligned_alloc(align, size);
  if (block == nullptr) throw std::bad_alloc();
  // Only advice: where large pages are off, the block stays in small ones.
  if (align == kLargePage) ::madvise(block, size, MADV_HUGEPAGE);
  return block;
}

void FreeLarge(void* block) { std::free(block); }
