// The spray nozzles of the tower: a grid of rows x columns, each nozzle
// with its record (open, faulty, rate, max, min), and the nozzle interface
// through which the plant engine reads and writes them. Flags travel as
// floats: 65536.0 false, 131072.0 true; a write answers 0x40000 (done) or
// 0x30000 (rejected), a read of something that does not exist 196608.0.
//
// The grid's counts are fixed at construction; its records exist once
// Allocate has run (the tower's layout at creation). Until then, and for
// counts beyond the storage, every read and write is rejected.
// Not thread-safe: user-interface thread, like its tower.
#pragma once

#include <array>
#include <cstdint>

// One nozzle, as the interface addresses it (20 bytes, zeroed at layout).
struct NozzleRecord {
  std::int32_t open = 0;   // 0 or 1: the nozzle sprays
  std::int32_t fault = 0;  // 0 or 1: the nozzle is faulty
  float rate = 0.0f;       // current flow rate
  float max = 0.0f;        // maximum rate
  float min = 0.0f;        // minimum rate
};
static_assert(sizeof(NozzleRecord) == 20, "a nozzle record is five 32-bit fields");

// The field selectors of the nozzle interface.
enum eNozzleField : int {
  NOZZLE_OPEN = 0x100,
  NOZZLE_FAULT = 0x200,
  NOZZLE_RATE = 0x300,
  NOZZLE_MAX = 0x400,
  NOZZLE_MIN = 0x500,
};

// Nozzle numbers beyond 1..count, and the interface's answers.
constexpr int NOZZLE_ALL_READ = 0x1000000;   // read: the aggregate of every nozzle
constexpr int NOZZLE_ALL_WRITE = 0x2000000;  // write: every nozzle
constexpr int NOZZLE_DONE = 0x40000;
constexpr int NOZZLE_REJECTED = 0x30000;
constexpr double NOZZLE_FLAG_FALSE = 65536.0;
constexpr double NOZZLE_FLAG_TRUE = 131072.0;
constexpr double NOZZLE_READ_REJECTED = 196608.0;

class NozzleGrid {
 public:
  static constexpr int kMaxRows = 4;
  static constexpr int kMaxCols = 10;

  // A grid of rows x cols; counts below 1 or beyond the storage give a
  // grid without nozzles.
  NozzleGrid(int rows, int cols);

  int GetRows() const { return m_rows; }
  int GetCols() const { return m_cols; }
  int GetCount() const { return m_rows * m_cols; }
  // Zeroes every record and makes the grid answer.
  void Allocate();
  bool IsAllocated() const { return m_allocated; }

  // The field of nozzle 1..count (a flag as 65536.0 / 131072.0); for
  // NOZZLE_ALL_READ a flag is true when any nozzle has it, and rate, max and
  // min are sums. Anything else reads 196608.0.
  double GetNozzleValue(int nozzle, int field) const;
  // Open and fault take 65536.0 or 131072.0 only; max and min are stored
  // as given; a nozzle's rate only within its min..max. NOZZLE_ALL_WRITE
  // writes every nozzle; there every rate is stored and the answer is
  // rejected when the value lies outside some nozzle's range.
  int SetNozzleValue(int nozzle, int field, float value);

  // Nozzle 1..count, or null (also before Allocate).
  const NozzleRecord* GetRecord(int nozzle) const;
  // Inverts the open flag of nozzle 1..count; false when there is none.
  bool ToggleOpen(int nozzle);

 private:
  NozzleRecord* Record(int nozzle);
  static int SetField(NozzleRecord& record, int field, float value);

  int m_rows = 0;
  int m_cols = 0;
  bool m_allocated = false;
  std::array<NozzleRecord, kMaxRows * kMaxCols> m_records{};  // row by row
};
