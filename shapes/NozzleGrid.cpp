#include "shapes/NozzleGrid.h"

#include <cstddef>

namespace {

double FlagValue(bool set) { return set ? NOZZLE_FLAG_TRUE : NOZZLE_FLAG_FALSE; }

// 1 or 0 for the two flag values; -1 for any other value.
// Whether the rate lies within the nozzle's range (never for NaN).
bool InRange(const NozzleRecord& record, float rate) { return rate >= record.min && rate <= record.max; }

int FlagFromValue(float value) {
  if (value == static_cast<float>(NOZZLE_FLAG_TRUE)) return 1;
  if (value == static_cast<float>(NOZZLE_FLAG_FALSE)) return 0;
  return -1;
}

}  // namespace

NozzleGrid::NozzleGrid(int rows, int cols) {
  if (rows < 1 || rows > kMaxRows || cols < 1 || cols > kMaxCols) return;  // refused: no nozzles
  m_rows = rows;
  m_cols = cols;
}

void NozzleGrid::Allocate() {
  m_records.fill(NozzleRecord());
  m_allocated = true;
}

const NozzleRecord* NozzleGrid::GetRecord(int nozzle) const {
  if (!m_allocated || nozzle < 1 || nozzle > GetCount()) return nullptr;
  return &m_records[static_cast<std::size_t>(nozzle - 1)];
}

NozzleRecord* NozzleGrid::Record(int nozzle) { return const_cast<NozzleRecord*>(GetRecord(nozzle)); }

bool NozzleGrid::ToggleOpen(int nozzle) {
  NozzleRecord* record = Record(nozzle);
  if (record == nullptr) return false;
  record->open = record->open != 0 ? 0 : 1;
  return true;
}

double NozzleGrid::GetNozzleValue(int nozzle, int field) const {
  if (!m_allocated) return NOZZLE_READ_REJECTED;
  if (const NozzleRecord* record = GetRecord(nozzle)) {
    switch (field) {
      case NOZZLE_OPEN: return FlagValue(record->open != 0);
      case NOZZLE_FAULT: return FlagValue(record->fault != 0);
      case NOZZLE_RATE: return record->rate;
      case NOZZLE_MAX: return record->max;
      case NOZZLE_MIN: return record->min;
      default: return NOZZLE_READ_REJECTED;
    }
  }
  if (nozzle != NOZZLE_ALL_READ) return NOZZLE_READ_REJECTED;
  bool anyOpen = false, anyFault = false;
  double rate = 0.0, max = 0.0, min = 0.0;
  for (int n = 1; n <= GetCount(); ++n) {
    const NozzleRecord& record = m_records[static_cast<std::size_t>(n - 1)];
    anyOpen = anyOpen || record.open != 0;
    anyFault = anyFault || record.fault != 0;
    rate += record.rate;
    max += record.max;
    min += record.min;
  }
  switch (field) {
    case NOZZLE_OPEN: return FlagValue(anyOpen);
    case NOZZLE_FAULT: return FlagValue(anyFault);
    case NOZZLE_RATE: return rate;
    case NOZZLE_MAX: return max;
    case NOZZLE_MIN: return min;
    default: return NOZZLE_READ_REJECTED;
  }
}

int NozzleGrid::SetField(NozzleRecord& record, int field, float value) {
  switch (field) {
    case NOZZLE_OPEN:
    case NOZZLE_FAULT: {
      const int flag = FlagFromValue(value);
      if (flag < 0) return NOZZLE_REJECTED;
      (field == NOZZLE_OPEN ? record.open : record.fault) = flag;
      return NOZZLE_DONE;
    }
    case NOZZLE_RATE:
      if (!InRange(record, value)) return NOZZLE_REJECTED;
      record.rate = value;
      return NOZZLE_DONE;
    case NOZZLE_MAX:
      record.max = value;
      return NOZZLE_DONE;
    case NOZZLE_MIN:
      record.min = value;
      return NOZZLE_DONE;
    default:
      return NOZZLE_REJECTED;
  }
}

int NozzleGrid::SetNozzleValue(int nozzle, int field, float value) {
  if (!m_allocated) return NOZZLE_REJECTED;
  if (NozzleRecord* record = Record(nozzle)) return SetField(*record, field, value);
  if (nozzle != NOZZLE_ALL_WRITE) return NOZZLE_REJECTED;
  if (field < NOZZLE_OPEN || field > NOZZLE_MIN || (field & 0xFF) != 0) return NOZZLE_REJECTED;
  if ((field == NOZZLE_OPEN || field == NOZZLE_FAULT) && FlagFromValue(value) < 0) return NOZZLE_REJECTED;
  int result = NOZZLE_DONE;
  for (int n = 1; n <= GetCount(); ++n) {
    NozzleRecord& record = m_records[static_cast<std::size_t>(n - 1)];
    if (field == NOZZLE_RATE) {
      // Every nozzle takes the rate; one outside its range makes it a refusal.
      if (!InRange(record, value)) result = NOZZLE_REJECTED;
      record.rate = value;
    } else {
      SetField(record, field, value);
    }
  }
  return result;
}
