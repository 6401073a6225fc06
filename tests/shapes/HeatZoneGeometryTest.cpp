// The heat zone's outline, level, flame room and flames by numbers.
#include <gtest/gtest.h>

#include "shapes/HeatZoneGeometry.h"

namespace {

constexpr int kPlantSilhouette = 0x3C000237;

// The left and right x of outline row k.
std::pair<int, int> Row(const std::vector<CPoint>& outline, int k) {
  return {outline[static_cast<size_t>(k)].x, outline[static_cast<size_t>(2 * kHeatZoneRows - 1 - k)].x};
}

TEST(HeatZoneGeometryTest, SilhouetteWordsAreDecoded) {
  const HeatZoneSilhouette s = HeatZoneSilhouetteOf(kPlantSilhouette);
  EXPECT_EQ(s.a, 7);
  EXPECT_EQ(s.q1, 3);
  EXPECT_EQ(s.q2, 2);
  EXPECT_EQ(s.q3, 0);
  EXPECT_EQ(s.q4, 0);
  EXPECT_EQ(s.b, 0);
  EXPECT_EQ(s.p, 60);
  const struct {
    int word, p;
  } rows[] = {{0x00000011, 1}, {0x01000011, 1}, {0x02000011, 2}, {0x63000011, 99}, {0x64000011, 1}, {static_cast<int>(0xC8000011u), 1}};
  for (const auto& row : rows) EXPECT_EQ(HeatZoneSilhouetteOf(row.word).p, row.p) << std::hex << row.word;
}

TEST(HeatZoneGeometryTest, ThePlantsSilhouetteOnItsWindow) {
  const std::vector<CPoint> outline = HeatZoneOutline(69, 110, kPlantSilhouette, 1);
  ASSERT_EQ(outline.size(), 200u);
  for (int k = 0; k <= 23; ++k) EXPECT_EQ(Row(outline, k), std::make_pair(18, 50)) << k;
  EXPECT_EQ(Row(outline, 24), std::make_pair(18, 50)) << "the widening starts at the top width";
  EXPECT_EQ(Row(outline, 28), std::make_pair(14, 54));
  EXPECT_EQ(Row(outline, 39), std::make_pair(1, 67));
  for (int k = 40; k < 100; ++k) EXPECT_EQ(Row(outline, k), std::make_pair(0, 69)) << k;
  // Rows from top to bottom, the right side coming back up.
  EXPECT_EQ(outline[0], CPoint(18, 0));
  EXPECT_EQ(outline[23], CPoint(18, 25));
  EXPECT_EQ(outline[99], CPoint(0, 110));
  EXPECT_EQ(outline[100], CPoint(69, 110));
  EXPECT_EQ(outline[199], CPoint(50, 0));
}

TEST(HeatZoneGeometryTest, NarrowingAndBottomSections) {
  // Full top (a 15), q1 1, q3 1, q4 1, bottom b 5, 40 % full: 20 + 40 + 20 + 20 rows.
  const std::vector<CPoint> outline = HeatZoneOutline(60, 99, 0x2851101F, 1);
  ASSERT_EQ(outline.size(), static_cast<size_t>(2 * kHeatZoneRows));
  EXPECT_EQ(Row(outline, 0), std::make_pair(0, 60));
  EXPECT_EQ(Row(outline, 59), std::make_pair(0, 60));
  EXPECT_EQ(Row(outline, 60), std::make_pair(0, 60)) << "the narrowing starts at full width";
  EXPECT_EQ(Row(outline, 79), std::make_pair(19, 41));
  EXPECT_EQ(Row(outline, 80), std::make_pair(20, 40));
  EXPECT_EQ(Row(outline, 99), std::make_pair(20, 40));
  EXPECT_EQ(outline[50].y, 50);
  // Without a top section the widening starts from the centre.
  const std::vector<CPoint> fromCentre = HeatZoneOutline(69, 110, 0x32000107, 1);
  EXPECT_EQ(Row(fromCentre, 0), std::make_pair(34, 34));
  EXPECT_EQ(Row(fromCentre, 49), std::make_pair(16, 52));
  EXPECT_EQ(Row(fromCentre, 50), std::make_pair(0, 69));
}

TEST(HeatZoneGeometryTest, OutlineKinds) {
  EXPECT_TRUE(HeatZoneOutline(69, 110, kPlantSilhouette, 2).empty());
  EXPECT_TRUE(HeatZoneOutline(69, 110, kPlantSilhouette, 8).empty());
  for (const int kind : {0, 3, 7, 9}) {
    const std::vector<CPoint> outline = HeatZoneOutline(69, 110, kPlantSilhouette, kind);
    ASSERT_EQ(outline.size(), 200u);
    EXPECT_EQ(Row(outline, 0), std::make_pair(0, 69)) << kind;
    EXPECT_EQ(Row(outline, 99), std::make_pair(0, 69)) << kind;
  }
  // Weights that sum to nothing give the full rectangle instead of dividing by 0.
  const std::vector<CPoint> unweighted = HeatZoneOutline(69, 110, 0x3C000007, 1);
  ASSERT_EQ(unweighted.size(), 200u);
  EXPECT_EQ(Row(unweighted, 0), std::make_pair(0, 69));
  EXPECT_EQ(Row(unweighted, 99), std::make_pair(0, 69));
}

TEST(HeatZoneGeometryTest, LevelRisesFromTheBottom) {
  const std::vector<CPoint> outline = HeatZoneOutline(69, 110, kPlantSilhouette, 1);
  EXPECT_TRUE(HeatZoneLevel(outline, 0.0f).empty()) << "at 0 % nothing is filled";
  EXPECT_TRUE(HeatZoneLevel(outline, 0.99f).empty());
  EXPECT_EQ(HeatZoneLevel(outline, 100.0f), outline);
  const std::vector<CPoint> level = HeatZoneLevel(outline, 60.0f);
  ASSERT_EQ(level.size(), 200u);
  for (int k = 0; k <= 40; ++k) EXPECT_EQ(level[static_cast<size_t>(k)], CPoint(0, 44)) << k;
  for (int k = 0; k <= 40; ++k) EXPECT_EQ(level[static_cast<size_t>(199 - k)], CPoint(69, 44)) << k;
  EXPECT_EQ(level[41], outline[41]);
  const std::vector<CPoint> top = HeatZoneLevel(outline, 99.5f);
  ASSERT_FALSE(top.empty());
  EXPECT_EQ(top[0], outline[1]) << "99 % stands on row 1";
  EXPECT_TRUE(HeatZoneLevel({}, 50.0f).empty());
}

TEST(HeatZoneGeometryTest, FlameRoomIsTheNarrowerSideNearTwoThirds) {
  const std::vector<CPoint> outline = HeatZoneOutline(69, 110, kPlantSilhouette, 1);
  EXPECT_EQ(HeatZoneFlameRoom(outline, 69, 110), 20) << "left row 71 gives 34, right position 171 (row 28) 20";
  EXPECT_EQ(HeatZoneFlameRoom(HeatZoneOutline(69, 110, 0, 0), 69, 110), 34);
  EXPECT_EQ(HeatZoneFlameRoom({}, 69, 110), 0);
  // A bottom of no width (b 0 from row 26 on) leaves no room: at least 1.
  EXPECT_EQ(HeatZoneFlameRoom(HeatZoneOutline(60, 99, 0x0203001F, 1), 60, 99), 1);
}

TEST(HeatZoneGeometryTest, FlamesSwingBetweenOneAndNineTenthsOfTheRoom) {
  FlameState flames;
  for (int paint = 0; paint < 8; ++paint) AdvanceFlames(flames, 100.0f, 20);
  EXPECT_EQ(flames.a, 16);
  EXPECT_EQ(flames.b, -16);
  EXPECT_EQ(flames.lastStep, 2);
  AdvanceFlames(flames, 100.0f, 20);
  EXPECT_EQ(flames.a, 17) << "18 reached: one below, and back";
  EXPECT_EQ(flames.direction, -1);
  for (int paint = 0; paint < 8; ++paint) AdvanceFlames(flames, 100.0f, 20);
  EXPECT_EQ(flames.a, 1);
  EXPECT_EQ(flames.direction, -1);
  AdvanceFlames(flames, 100.0f, 20);
  EXPECT_EQ(flames.a, 1) << "below 1: back to 1, B to 17, and turned";
  EXPECT_EQ(flames.b, 17);
  EXPECT_EQ(flames.direction, 1);

  FlameState still;
  AdvanceFlames(still, 0.0f, 20);
  EXPECT_EQ(still.a, 1);
  AdvanceFlames(still, 0.0f, 20);
  EXPECT_EQ(still.a, 1) << "no pressure: no flicker";
}

TEST(HeatZoneGeometryTest, FlamePolygonsMirrorAboutTheCentreLine) {
  FlameState flames;
  flames.a = 10;
  flames.b = 20;
  const auto polygons = FlamePolygons(flames, 69, 110);
  const std::array<CPoint, 5> left = {CPoint(34, 36), CPoint(27, 34), CPoint(26, 30), CPoint(28, 38), CPoint(34, 38)};
  EXPECT_EQ(polygons[0], left);
  EXPECT_EQ(polygons[1][2], CPoint(42, 30));
  EXPECT_EQ(polygons[2][2], CPoint(18, 73 - 6)) << "B at two thirds";
  EXPECT_EQ(polygons[3][1], CPoint(48, 71));
}

}  // namespace
