// Large blocks: aligned as promised at every size, usable to their last
// byte (the sanitizer build checks the bounds), refused when too large, and
// a vector on them keeps its elements.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "platform/LargeMemory.h"

namespace {

constexpr size_t kLargePage = size_t{2} << 20;

TEST(LargeMemoryTest, BlocksAreAlignedAndUsableToTheirEnd) {
  const size_t sizes[] = {0, 1, 63, 64, 4096, kLargePage - 1, kLargePage, 5 * kLargePage + 3};
  for (size_t bytes : sizes) {
    void* block = AllocateLarge(bytes);
    ASSERT_NE(block, nullptr) << bytes;
    const auto at = reinterpret_cast<uintptr_t>(block);
    EXPECT_EQ(at % 64, 0u) << bytes;
    if (bytes >= kLargePage) {
      EXPECT_EQ(at % kLargePage, 0u) << bytes;
    }
    std::memset(block, 0x5a, bytes);
    FreeLarge(block);
  }
}

TEST(LargeMemoryTest, ARequestBeyondTheAddressSpaceIsRefused) {
  EXPECT_THROW(AllocateLarge(SIZE_MAX), std::bad_alloc);
  EXPECT_THROW(LargeAllocator<uint64_t>().allocate(SIZE_MAX / 4), std::bad_alloc);
}

TEST(LargeMemoryTest, AVectorOnLargeBlocksKeepsItsElements) {
  struct alignas(64) Line {
    uint64_t value = 0;
  };
  std::vector<Line, LargeAllocator<Line>> lines;
  for (uint64_t i = 0; i < 100000; ++i) lines.push_back(Line{i * 3});  // grows past 2 MB
  for (uint64_t i = 0; i < lines.size(); ++i) ASSERT_EQ(lines[i].value, i * 3);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(lines.data()) % kLargePage, 0u);
}

}  // namespace
