// The belt's layout, load band, spokes, words and value label by numbers.
#include <gtest/gtest.h>

#include "shapes/BeltGeometry.h"

namespace {

TEST(BeltGeometryTest, PulleysAndTextRoomsOfThePlantsBelt) {
  const BeltLayout l = BeltLayoutFor(CRect(0, 0, 200, 50));
  EXPECT_EQ(l.head, CRect(0, 5, 45, 50));
  EXPECT_EQ(l.headPulley, CRect(3, 8, 42, 47));
  EXPECT_EQ(l.tailPulley, CRect(158, 8, 197, 47));
  EXPECT_EQ(l.HeadCentreX(), 22);
  EXPECT_EQ(l.TailCentreX(), 177);
  EXPECT_EQ(l.CentreY(), 27);
  EXPECT_EQ(BeltLabelRect(l), CRect(49, 9, 151, 21));
  EXPECT_EQ(BeltCaptionRect(l), CRect(49, 33, 151, 46)) << "0.58 * 50 truncates to 28";
}

TEST(BeltGeometryTest, LoadBandGrowsFromTheStrandToTheTop) {
  const BeltLayout l = BeltLayoutFor(CRect(0, 0, 200, 50));
  EXPECT_EQ(BeltLoadStrip(l), CRect(22, 0, 177, 5));
  const struct {
    float percent;
    int top;
  } rows[] = {{0, 5}, {19.9f, 4}, {20, 4}, {50, 2}, {99, 0}, {100, 0}};
  for (const auto& row : rows) {
    const CRect band = BeltLoadBand(l, row.percent);
    EXPECT_EQ(band, CRect(22, row.top, 177, 5)) << row.percent;
  }
  EXPECT_TRUE(BeltLoadBand(l, 0.0f).IsRectEmpty()) << "an empty belt shows no band";
  EXPECT_EQ(BeltLoadBand(l, 100.0f).Height(), l.head.top) << "a full one the whole top margin";
}

TEST(BeltGeometryTest, DescriptorWords) {
  EXPECT_EQ(BeltSpokeCount(35), 4) << "the plant's belt";
  EXPECT_EQ(BeltSpokeCount(0), 1);
  EXPECT_EQ(BeltDirection(0x2000001), 1);
  EXPECT_EQ(BeltDirection(0x2000002), 2);
  EXPECT_EQ(BeltLabelSelector(0x2000001), 0);
  EXPECT_EQ(BeltLabelSelector(0x0000501), 5);
  EXPECT_TRUE(IsValidBeltOrientation(0));
  EXPECT_TRUE(IsValidBeltOrientation(1));
  EXPECT_FALSE(IsValidBeltOrientation(2));
  EXPECT_FALSE(IsValidBeltOrientation(-1));
  const std::array<BYTE, 16>& bits = BeltLoadPatternBits();
  EXPECT_EQ(bits[0], 0xFF);
  EXPECT_EQ(bits[1], 0x00) << "rows padded to two bytes";
  EXPECT_EQ(bits[14], 0xB0);
}

TEST(BeltGeometryTest, SpokesOnlyInTheSpokedLayout) {
  const BeltLayout l = BeltLayoutFor(CRect(0, 0, 200, 50));
  const std::vector<PolarRecord> spokes = BeltSpokeRecords(l, 4, 0.0, 1);
  ASSERT_EQ(spokes.size(), 8u);
  EXPECT_EQ(spokes[0].radius, 5) << "trunc(0.15 * 39)";
  EXPECT_EQ(spokes[1].radius, 17) << "trunc(0.45 * 39)";
  EXPECT_EQ(BeltSpokeRecords(l, 1, 0.0, 1).size(), 3u);
  EXPECT_TRUE(BeltSpokeRecords(l, 4, 0.0, 0).empty()) << "never laid out: nothing drawn";
}

TEST(BeltGeometryTest, ValueLabelBySelector) {
  const std::array<float, 3> values = {123.456f, 12.345f, 13000.0f};
  const std::array<std::string, 3> units = {"m/h", "Kg/m", "Kg/h"};
  const struct {
    int selector;
    const char* text;
  } rows[] = {{0, ""},          {1, "123 m/h"},      {2, "12 Kg/m"},         {3, "13000 Kg/h"},
              {4, "123.5 m/h"}, {5, "12.3 Kg/m"},    {6, "13000.0 Kg/h"},    {7, "123.46 m/h"},
              {8, "12.35 Kg/m"}, {9, "13000.00 Kg/h"}, {10, ""},             {15, ""}};
  for (const auto& row : rows) EXPECT_EQ(BeltValueLabel(row.selector, values, units), row.text) << row.selector;
}

}  // namespace
