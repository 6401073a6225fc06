// The tag browser's rows sorted by name where names are prefixes of each
// other and differ in case, and by the id column (the tag's index) across
// a change in the number of digits: each row keeps its own tag.
#include <string>
#include <vector>

#include "tests/tagbrowser/BrowserFixture.h"

namespace {

using namespace browser_test;

class SortEdgeTest : public BrowserTest {
 protected:
  SortEdgeTest() {
    tagText.clear();
    const char* names[] = {"Tank10", "Tank1", "Tank", "tank", "Tan", "Tank1.Level",
                           "Tank2",  "A",     "a",    "B",    "Zone", "Pump"};
    int id = 0;
    for (const char* name : names) tagText += std::to_string(++id) + ", " + name + ", NULL, , NULL, Int, 0, 0,\n";
  }
  void SetUp() override {
    BrowserTest::SetUp();
    Open();
  }
  std::vector<std::string> Column(int col) {
    std::vector<std::string> texts;
    for (long row = 0; row < Grid().GetRowCount(); ++row) {
      texts.push_back(Grid().QuickGetText(col, row));
      const CDCTag* tag = Grid().GetRowTag(row);
      EXPECT_TRUE(tag != nullptr && tag->GetTagName() == Grid().QuickGetText(rdv::eColName, row))
          << "row " << row << " lost its tag";
    }
    return texts;
  }
};

TEST_F(SortEdgeTest, ANamePrefixGoesBeforeItsExtensionsInByteOrder) {
  const std::vector<std::string> ascending = {"A",           "B",      "Pump",  "Tan",  "Tank", "Tank1",
                                              "Tank1.Level", "Tank10", "Tank2", "Zone", "a",    "tank"};
  Grid().GetDataSource(0)->SortByColumn(rdv::eColName, UG_SORT_ASCENDING);
  EXPECT_EQ(Column(rdv::eColName), ascending);
  Grid().GetDataSource(0)->SortByColumn(rdv::eColName, UG_SORT_DESCENDING);
  EXPECT_EQ(Column(rdv::eColName), std::vector<std::string>(ascending.rbegin(), ascending.rend()));
}

TEST_F(SortEdgeTest, IdsSortAsNumbersAcrossTheirNumberOfDigits) {
  Grid().GetDataSource(0)->SortByColumn(rdv::eColName, UG_SORT_ASCENDING);
  Grid().GetDataSource(0)->SortByColumn(rdv::eColId, UG_SORT_DESCENDING);
  std::vector<std::string> descending;
  for (int id = 11; id >= 0; --id) descending.push_back(std::to_string(id));
  EXPECT_EQ(Column(rdv::eColId), descending);
  Grid().GetDataSource(0)->SortByColumn(rdv::eColId, UG_SORT_ASCENDING);
  EXPECT_EQ(Column(rdv::eColId), std::vector<std::string>(descending.rbegin(), descending.rend()));
  EXPECT_EQ(Grid().QuickGetText(rdv::eColName, 10), "Zone") << "the tag of index 10 on row 10";
}

}  // namespace
