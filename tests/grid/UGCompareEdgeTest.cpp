// The grid's comparisons at their ties and prefixes: the default sort
// comparison with equal texts, a text before and after its extension in
// both argument orders and both directions, case, empty texts and equal
// numbers; the store's sort of such texts (with and without an owning
// grid) and its ties on several keys; the store's find, whole or partial,
// with a text that is a prefix or an extension of a cell's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UGMemCells.h"
#include "UGTestGrid.h"
#include "grid/UGMem.h"

namespace {

constexpr int kAsc = UG_SORT_ASCENDING;
constexpr int kDesc = UG_SORT_DESCENDING;

CUGCell TextCell(const std::string& text) {
  CUGCell cell;
  cell.SetText(text);
  return cell;
}

CUGCell NumberCell(double value, short type = UGCELLDATA_NUMBER) {
  CUGCell cell;
  if (type == UGCELLDATA_NUMTEXT) {
    cell.SetText(std::to_string(static_cast<long>(value)));
  } else {
    cell.SetNumber(value);
  }
  cell.SetDataType(type);
  return cell;
}

TEST(UGCompareEdgeTest, TextsCompareByteByByteAndAShorterPrefixGoesFirst) {
  struct Case {
    const char* a;
    const char* b;
    int ascending;  // the result for (a, b); descending gives its negation
  };
  const Case cases[] = {
      {"abc", "abc", 0},    {"ab", "abc", -1},  {"abc", "ab", 1},  {"a", "ab", -1},   {"ab", "a", 1},
      {"A", "a", -1},       {"a", "A", 1},       {"Ab", "a", -1},   {"a", "Ab", 1},    {"B", "a", -1},
      {"Tank", "Tank1", -1}, {"Tank1", "Tank", 1}, {"Tank1", "Tank10", -1}, {"Tank2", "Tank10", 1},
      {"\xC3\xA9", "\xC3\xA9t", -1}, {"\xC3\xA9t", "\xC3\xA9", 1}, {"z", "\xC3\xA9", -1},
  };
  for (const Case& c : cases) {
    CUGCell a = TextCell(c.a);
    CUGCell b = TextCell(c.b);
    EXPECT_EQ(CUGCtrl::DefaultCompareCells(&a, &b, kAsc), c.ascending) << "\"" << c.a << "\" \"" << c.b << "\"";
    EXPECT_EQ(CUGCtrl::DefaultCompareCells(&a, &b, kDesc), -c.ascending)
        << "descending \"" << c.a << "\" \"" << c.b << "\"";
  }
}

TEST(UGCompareEdgeTest, CellsWithoutTextGoLastAndAreEqualToEachOther) {
  CUGCell none;  // no text at all
  CUGCell cleared = TextCell("x");
  cleared.SetText("");  // a text set and then emptied
  CUGCell a = TextCell("a");
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&none, &cleared, kAsc), 0);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&cleared, &none, kDesc), 0);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&none, &a, kAsc), 1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&a, &none, kAsc), -1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&cleared, &a, kAsc), 1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&none, &a, kDesc), -1) << "descending swaps the two";
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&a, &none, kDesc), 1);
  // A missing cell is decided before the swap: it answers the same both ways.
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(nullptr, &a, kDesc), 1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&a, nullptr, kDesc), -1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(nullptr, nullptr, kDesc), 0);
}

TEST(UGCompareEdgeTest, NumbersCompareAsNumbersAndEqualNumbersTie) {
  for (const short type : {UGCELLDATA_NUMBER, UGCELLDATA_NUMTEXT, UGCELLDATA_CURRENCY}) {
    SCOPED_TRACE("data type " + std::to_string(type));
    CUGCell nine = NumberCell(9, type);
    CUGCell ten = NumberCell(10, type);
    CUGCell otherTen = NumberCell(10, type);
    EXPECT_EQ(CUGCtrl::DefaultCompareCells(&ten, &otherTen, kAsc), 0);
    EXPECT_EQ(CUGCtrl::DefaultCompareCells(&ten, &otherTen, kDesc), 0);
    EXPECT_EQ(CUGCtrl::DefaultCompareCells(&nine, &ten, kAsc), -1) << "9 before 10, where the texts say otherwise";
    EXPECT_EQ(CUGCtrl::DefaultCompareCells(&ten, &nine, kAsc), 1);
    EXPECT_EQ(CUGCtrl::DefaultCompareCells(&nine, &ten, kDesc), 1);
    EXPECT_EQ(CUGCtrl::DefaultCompareCells(&ten, &nine, kDesc), -1);
  }
  // The first cell's type decides (after the swap): a text "10" against a
  // number 9 compares as text, a number 10 against a text "9" as numbers.
  CUGCell textTen = TextCell("10");
  CUGCell textNine = TextCell("9");
  CUGCell numberTen = NumberCell(10, UGCELLDATA_NUMTEXT);
  CUGCell numberNine = NumberCell(9, UGCELLDATA_NUMTEXT);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&textTen, &textNine, kAsc), -1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&textTen, &numberNine, kAsc), -1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&numberTen, &textNine, kAsc), 1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&numberNine, &textTen, kDesc), -1) << "swapped: the text first";
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&textNine, &numberTen, kDesc), 1) << "swapped: the number first";
}

// ---- The store's sort -------------------------------------------------------------------

using grid_test::Put;
using grid_test::Text;

// The rows' marks (column 0) from the first row to the last.
std::string Marks(CUGMem& mem, long rows) {
  std::string marks;
  for (long r = 0; r < rows; ++r) marks += Text(mem, 0, r);
  return marks;
}

// Rows (mark in column 0, key in column 1): prefixes and extensions of
// each other in both orders, a case pair, two equal keys, a row without a
// key cell and, after it, an empty key (the two are equal).
void FillPrefixRows(CUGMem& mem) {
  const char* keys[] = {"abc", "ab", nullptr, "abd", "a", "B", "ab", "", "abcd"};
  for (long r = 0; r < 9; ++r) {
    Put(mem, 0, r, std::string(1, static_cast<char>('0' + r)));
    if (keys[r] != nullptr) Put(mem, 1, r, keys[r]);
  }
}

TEST(UGCompareEdgeTest, SortingPutsAPrefixBeforeItsExtensionsAndKeepsTiesInOrder) {
  struct Case {
    int flags;
    const char* marks;
  };
  // Ascending: B a ab ab abc abcd abd, then the missing key and the empty
  // one; descending: those two first, the rest reversed, equal keys still
  // in their order.
  for (const Case& c : {Case{kAsc, "541608327"}, Case{kDesc, "273801645"}}) {
    for (const bool owned : {false, true}) {
      SCOPED_TRACE(std::string(owned ? "a store of a grid" : "a store without a grid") + " flags " +
                   std::to_string(c.flags));
      grid_test::RecordingGrid grid;
      grid.SetUp(2, 9);
      CUGMem mem;
      if (owned) mem.SetOwner(&grid);
      FillPrefixRows(mem);
      ASSERT_EQ(mem.SortByColumn(1, c.flags), UG_SUCCESS);
      EXPECT_EQ(Marks(mem, 9), c.marks);
    }
  }
}

TEST(UGCompareEdgeTest, AFirstKeyTieIsDecidedByTheNextKeyAndAPrefixIsNoTie) {
  CUGMem mem;
  // mark, first key, second key (null: the row has no cell there)
  const char* rows[][3] = {{"0", "ab", "2"}, {"1", "ab", "1"}, {"2", "a", "3"}, {"3", "abc", "0"},
                           {"4", "ab", "1"}, {"5", "A", "9"},  {"6", "x", nullptr}, {"7", "x", ""},
                           {"8", "y", "t"},  {"9", "y", nullptr}};
  for (long r = 0; r < 10; ++r) {
    for (int c = 0; c < 3; ++c) {
      if (rows[r][c] != nullptr) Put(mem, c, r, rows[r][c]);
    }
  }
  const int cols[] = {1, 2};
  ASSERT_EQ(mem.SortRows(cols, 2, kAsc), UG_SUCCESS);
  // A second key that is missing ties with an empty one and goes after a text.
  EXPECT_EQ(Marks(mem, 10), "5214036789");
  ASSERT_EQ(mem.SortRows(cols, 2, kDesc), UG_SUCCESS);
  EXPECT_EQ(Marks(mem, 10), "9867301425");
}

// ---- The store's find ---------------------------------------------------------------------

TEST(UGCompareEdgeTest, AWholeFindNeedsTheWholeTextAndAPartialOneAnyPart) {
  CUGMem mem;
  const char* texts[] = {"Tank10", "Tank1", "tank", "Tank", ""};
  for (long r = 0; r < 5; ++r) Put(mem, 0, r, texts[r]);
  Put(mem, 1, 4, "end");
  struct Case {
    const char* text;
    int flags;
    long row;  // -1: not found
  };
  const Case cases[] = {
      {"Tank1", 0, 1},
      {"Tank", 0, 3},
      {"Tan", 0, -1},
      {"Tank100", 0, -1},
      {"TANK", UG_FIND_CASEINSENSITIVE, 2},
      {"TANK1", UG_FIND_CASEINSENSITIVE, 1},
      {"TAN", UG_FIND_CASEINSENSITIVE, -1},
      {"ank1", UG_FIND_PARTIAL, 0},
      {"Tank100", UG_FIND_PARTIAL, -1},
      {"tank", UG_FIND_PARTIAL, 2},
      {"aNk1", UG_FIND_PARTIAL | UG_FIND_CASEINSENSITIVE, 0},
      {"Tank", UG_FIND_UP, 3},
      {"Tank1", UG_FIND_UP, 1},
      {"Tank", UG_FIND_PARTIAL | UG_FIND_UP, 3},
  };
  for (const Case& c : cases) {
    int col = 0;
    long row = 0;
    const int result = mem.FindNext(c.text, &col, &row, c.flags);
    SCOPED_TRACE(std::string("\"") + c.text + "\" flags " + std::to_string(c.flags));
    if (c.row < 0) {
      EXPECT_EQ(result, UG_ERROR) << "found at row " << row;
    } else {
      ASSERT_EQ(result, UG_SUCCESS);
      EXPECT_EQ(row, c.row);
      EXPECT_EQ(col, 0);
    }
  }
}

}  // namespace
