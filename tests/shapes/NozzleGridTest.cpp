// The tower's nozzle grid and its interface: counts within the storage,
// flag values, rate ranges, the all-nozzle read and write, and the answer
// before the records exist.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "shapes/NozzleGrid.h"

namespace {

// The plant's 4 x 5 grid with its records; nozzle 1 ranges 0..10.
NozzleGrid PlantGrid() {
  NozzleGrid grid(4, 5);
  grid.Allocate();
  grid.SetNozzleValue(1, NOZZLE_MAX, 10.0f);
  return grid;
}

TEST(NozzleGridTest, CountsBeyondTheStorageGiveNoNozzles) {
  const struct {
    int rows, cols, count;
  } rows[] = {{4, 5, 20}, {1, 1, 1}, {4, 10, 40}, {5, 5, 0}, {4, 11, 0}, {0, 5, 0}, {3, -2, 0}};
  for (const auto& row : rows) {
    NozzleGrid grid(row.rows, row.cols);
    grid.Allocate();
    EXPECT_EQ(grid.GetCount(), row.count) << row.rows << " x " << row.cols;
    EXPECT_EQ(grid.GetRecord(1) != nullptr, row.count > 0);
    EXPECT_EQ(grid.SetNozzleValue(row.count + 1, NOZZLE_MAX, 1.0f), NOZZLE_REJECTED);
  }
}

TEST(NozzleGridTest, BeforeTheRecordsExistEveryCallIsRejected) {
  NozzleGrid grid(4, 5);
  EXPECT_EQ(grid.GetCount(), 20);
  EXPECT_EQ(grid.GetRecord(1), nullptr);
  EXPECT_EQ(grid.GetNozzleValue(1, NOZZLE_OPEN), NOZZLE_READ_REJECTED);
  EXPECT_EQ(grid.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_RATE), NOZZLE_READ_REJECTED);
  EXPECT_EQ(grid.SetNozzleValue(1, NOZZLE_OPEN, NOZZLE_FLAG_TRUE), NOZZLE_REJECTED);
  EXPECT_EQ(grid.SetNozzleValue(NOZZLE_ALL_WRITE, NOZZLE_MAX, 5.0f), NOZZLE_REJECTED);
  EXPECT_FALSE(grid.ToggleOpen(1));
  grid.Allocate();
  EXPECT_EQ(grid.GetNozzleValue(1, NOZZLE_OPEN), NOZZLE_FLAG_FALSE) << "zeroed records";
}

TEST(NozzleGridTest, FlagsTakeOnlyTheTwoFlagValues) {
  NozzleGrid grid = PlantGrid();
  const struct {
    int field;
    float value;
    int result;
    double after;
  } rows[] = {
      {NOZZLE_OPEN, 1.0f, NOZZLE_REJECTED, NOZZLE_FLAG_FALSE},
      {NOZZLE_OPEN, 131072.0f, NOZZLE_DONE, NOZZLE_FLAG_TRUE},
      {NOZZLE_OPEN, 0.0f, NOZZLE_REJECTED, NOZZLE_FLAG_TRUE},
      {NOZZLE_OPEN, 65536.0f, NOZZLE_DONE, NOZZLE_FLAG_FALSE},
      {NOZZLE_FAULT, 131072.0f, NOZZLE_DONE, NOZZLE_FLAG_TRUE},
      {NOZZLE_FAULT, 196608.0f, NOZZLE_REJECTED, NOZZLE_FLAG_TRUE},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(grid.SetNozzleValue(1, row.field, row.value), row.result) << row.field << " " << row.value;
    EXPECT_EQ(grid.GetNozzleValue(1, row.field), row.after) << row.field << " " << row.value;
  }
  EXPECT_EQ(grid.GetRecord(1)->open, 0);
  EXPECT_EQ(grid.GetRecord(1)->fault, 1);
}

TEST(NozzleGridTest, RatesStayWithinTheNozzleRange) {
  NozzleGrid grid = PlantGrid();
  EXPECT_EQ(grid.SetNozzleValue(1, NOZZLE_RATE, 4.0f), NOZZLE_DONE);
  EXPECT_EQ(grid.SetNozzleValue(1, NOZZLE_RATE, 10.5f), NOZZLE_REJECTED);
  EXPECT_EQ(grid.SetNozzleValue(1, NOZZLE_RATE, -1.0f), NOZZLE_REJECTED);
  EXPECT_EQ(grid.SetNozzleValue(1, NOZZLE_RATE, std::numeric_limits<float>::quiet_NaN()), NOZZLE_REJECTED);
  EXPECT_EQ(grid.GetNozzleValue(1, NOZZLE_RATE), 4.0) << "a refused rate keeps the old one";
  EXPECT_EQ(grid.SetNozzleValue(1, NOZZLE_RATE, 10.0f), NOZZLE_DONE) << "the range's ends are in it";
  // Max and min are stored as given, even a range upside down.
  EXPECT_EQ(grid.SetNozzleValue(2, NOZZLE_MIN, 7.0f), NOZZLE_DONE);
  EXPECT_EQ(grid.SetNozzleValue(2, NOZZLE_MAX, -3.0f), NOZZLE_DONE);
  EXPECT_EQ(grid.GetNozzleValue(2, NOZZLE_MIN), 7.0);
  EXPECT_EQ(grid.GetNozzleValue(2, NOZZLE_MAX), -3.0);
  EXPECT_EQ(grid.SetNozzleValue(2, NOZZLE_RATE, 0.0f), NOZZLE_REJECTED);
}

TEST(NozzleGridTest, WritingEveryNozzle) {
  NozzleGrid grid = PlantGrid();  // nozzle 1 ranges 0..10, the others 0..0
  EXPECT_EQ(grid.SetNozzleValue(NOZZLE_ALL_WRITE, NOZZLE_MAX, 20.0f), NOZZLE_DONE);
  EXPECT_EQ(grid.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_MAX), 400.0);
  EXPECT_EQ(grid.SetNozzleValue(NOZZLE_ALL_WRITE, NOZZLE_RATE, 25.0f), NOZZLE_REJECTED);
  EXPECT_EQ(grid.GetNozzleValue(7, NOZZLE_RATE), 25.0) << "every nozzle takes the rate all the same";
  EXPECT_EQ(grid.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_RATE), 500.0);
  EXPECT_EQ(grid.SetNozzleValue(NOZZLE_ALL_WRITE, NOZZLE_RATE, 5.0f), NOZZLE_DONE);
  EXPECT_EQ(grid.SetNozzleValue(NOZZLE_ALL_WRITE, NOZZLE_OPEN, 2.0f), NOZZLE_REJECTED);
  EXPECT_EQ(grid.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_FLAG_FALSE) << "a refused flag writes none";
  EXPECT_EQ(grid.SetNozzleValue(NOZZLE_ALL_WRITE, NOZZLE_OPEN, 131072.0f), NOZZLE_DONE);
  EXPECT_EQ(grid.GetNozzleValue(20, NOZZLE_OPEN), NOZZLE_FLAG_TRUE);
  EXPECT_EQ(grid.SetNozzleValue(NOZZLE_ALL_WRITE, 0x600, 1.0f), NOZZLE_REJECTED);
  EXPECT_EQ(grid.SetNozzleValue(NOZZLE_ALL_WRITE, 0x150, 1.0f), NOZZLE_REJECTED);
}

TEST(NozzleGridTest, ReadingTheAggregateAndWhatDoesNotExist) {
  NozzleGrid grid = PlantGrid();
  EXPECT_EQ(grid.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_FLAG_FALSE);
  grid.SetNozzleValue(13, NOZZLE_OPEN, 131072.0f);
  EXPECT_EQ(grid.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_FLAG_TRUE) << "one open nozzle is enough";
  EXPECT_EQ(grid.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_FAULT), NOZZLE_FLAG_FALSE);
  EXPECT_EQ(grid.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_MAX), 10.0);
  EXPECT_EQ(grid.GetNozzleValue(0, NOZZLE_RATE), 196608.0);
  EXPECT_EQ(grid.GetNozzleValue(21, NOZZLE_RATE), NOZZLE_READ_REJECTED);
  EXPECT_EQ(grid.GetNozzleValue(NOZZLE_ALL_WRITE, NOZZLE_RATE), NOZZLE_READ_REJECTED);
  EXPECT_EQ(grid.GetNozzleValue(1, 0x600), NOZZLE_READ_REJECTED);
  EXPECT_EQ(grid.GetNozzleValue(NOZZLE_ALL_READ, 0), NOZZLE_READ_REJECTED);
  EXPECT_EQ(NozzleGrid(0, 0).GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_READ_REJECTED);
  NozzleGrid none(0, 0);
  none.Allocate();
  EXPECT_EQ(none.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_FLAG_FALSE) << "no nozzle is open";
  EXPECT_EQ(none.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_RATE), 0.0);
  EXPECT_TRUE(grid.ToggleOpen(13));
  EXPECT_EQ(grid.GetRecord(13)->open, 0);
  EXPECT_FALSE(grid.ToggleOpen(21));
}

}  // namespace
