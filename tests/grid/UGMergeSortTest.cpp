// The store's merge sort against std::stable_sort: for every size and
// spread of keys it must leave the same order and ask the same questions,
// in the same order with the same arguments, and ask where the keys of
// existing values only lie.
#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "grid/UGMergeSort.h"

namespace {

enum class Spread { kAllEqual, kAscending, kDescending, kFewValues, kUnique };

std::vector<int> MakeKeys(size_t count, Spread spread) {
  std::mt19937 random(static_cast<unsigned>(count) * 31u + static_cast<unsigned>(spread));
  std::vector<int> keys(count);
  for (size_t i = 0; i < count; ++i) {
    const int n = static_cast<int>(i);
    switch (spread) {
      case Spread::kAllEqual: keys[i] = 7; break;
      case Spread::kAscending: keys[i] = n / 2; break;
      case Spread::kDescending: keys[i] = -n / 2; break;
      case Spread::kFewValues: keys[i] = static_cast<int>(random() % 4); break;
      case Spread::kUnique: keys[i] = static_cast<int>(random()); break;
    }
  }
  return keys;
}

TEST(UGMergeSortTest, AsksWhatTheStandardStableSortAsksAndOrdersAlike) {
  // Sizes around the runs of seven and their doublings, odd and even (the
  // halves merge forwards or backwards), and a few large ones.
  const size_t sizes[] = {0, 1, 2, 3, 6, 7, 8, 13, 14, 15, 16, 27, 28, 29, 30, 55, 56, 57, 113, 1000, 1001, 4097};
  for (size_t count : sizes) {
    for (Spread spread : {Spread::kAllEqual, Spread::kAscending, Spread::kDescending, Spread::kFewValues,
                          Spread::kUnique}) {
      const std::string when = "count " + std::to_string(count) + " spread " + std::to_string(static_cast<int>(spread));
      const std::vector<int> keys = MakeKeys(count, spread);
      std::vector<size_t> expected(count);
      std::iota(expected.begin(), expected.end(), size_t{0});
      std::vector<size_t> actual = expected;
      std::vector<std::pair<size_t, size_t>> expectedCalls, actualCalls;
      std::stable_sort(expected.begin(), expected.end(), [&](size_t later, size_t earlier) {
        expectedCalls.emplace_back(later, earlier);
        return keys[later] < keys[earlier];
      });
      size_t strayWhere = 0;
      ug_sort::StableSort(
          actual,
          [&](size_t later, size_t earlier) {
            actualCalls.emplace_back(later, earlier);
            return keys[later] < keys[earlier];
          },
          [&](size_t value) -> const void* {
            if (value >= count) ++strayWhere;
            return keys.data() + (value < count ? value : 0);
          });
      ASSERT_EQ(actual, expected) << when;
      ASSERT_EQ(actualCalls, expectedCalls) << when;
      EXPECT_EQ(strayWhere, 0u) << when;
    }
  }
}

}  // namespace
