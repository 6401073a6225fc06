// The sorted list of trend settings where trend indexes are equal: the
// exchange sort swaps only an entry with a greater index, so which of two
// equal settings comes first (and so which trend panel) is fixed by the
// order the settings were made in.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "PlantFixture.h"
#include "attrib/AttribTrendInfo.h"

using namespace plant_test;

namespace {

// The attribute names of the sorted list, in order.
std::vector<std::string> SortedNames(const TestPack& pack) {
  std::vector<std::string> names;
  const auto* list = CAttribTrendInfo::GetSortedTrendInfoList();
  if (list == nullptr) return names;
  for (const CAttribTrendInfo* trend : *list) {
    for (const char* name : {"Speed", "Count", "Level", "Flow", "Mass"}) {
      if (trend->GetOwner() == pack.Attrib(name)) names.emplace_back(name);
    }
  }
  return names;
}

TEST(TrendInfoListTies, EqualIndexesAreNotExchanged) {
  struct Case {
    std::vector<std::pair<const char*, int>> settings;  // in the order they are made
    std::vector<std::string> sorted;
  };
  const Case cases[] = {
      {{{"Speed", 4}, {"Count", 4}}, {"Speed", "Count"}},
      {{{"Count", 4}, {"Speed", 4}}, {"Count", "Speed"}},
      {{{"Speed", 7}, {"Count", 3}, {"Level", 9}, {"Flow", 1}, {"Mass", 3}}, {"Flow", "Count", "Mass", "Speed", "Level"}},
      // An exchange moves the first of two equal entries behind the second.
      {{{"Speed", 1}, {"Count", 1}, {"Flow", 0}}, {"Flow", "Count", "Speed"}},
  };
  for (const Case& c : cases) {
    TestPack pack({{"Speed", VT_R4, {}, AR_NONE},
                   {"Count", VT_I4, {}, AR_NONE},
                   {"Level", VT_R4, {}, AR_NONE},
                   {"Flow", VT_R4, {}, AR_NONE},
                   {"Mass", VT_R4, {}, AR_NONE}});
    pack.Declare();
    std::vector<std::unique_ptr<CAttribTrendInfo>> trends;
    std::string made;
    for (const auto& [name, index] : c.settings) {
      trends.push_back(std::make_unique<CAttribTrendInfo>(pack.Attrib(name)));
      trends.back()->SetTrendIndex(index);
      made += std::string(name) + "#" + std::to_string(index) + " ";
    }
    SCOPED_TRACE(made);
    EXPECT_EQ(SortedNames(pack), c.sorted);
  }
  EXPECT_EQ(CAttribTrendInfo::GetSortedTrendInfoList(), nullptr);
}

}  // namespace
