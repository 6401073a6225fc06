// The rules of the shift windows apart from the windows: who may start a
// shift, the operator name a new shift takes, and the texts the shift
// window shows for the active shift.
// Pure functions; any thread.
#pragma once

#include <array>
#include <string>

#include "records/CShiftRS.h"

namespace shift_rules {

constexpr const char* kPurposeNewShift = "To start a new shift";
// The longest operator name a shift takes.
constexpr int kMaxOperatorName = 64;

// Seconds as "h:mm:ss" (hours not limited to a day; a negative time as 0).
std::string FormatDuration(long nSeconds);

// The shift window's lines, in its order: operator, start, start in Shamsi,
// total produced, total slurry, total time, useful time. Without an active
// shift the operator line says so and the others are empty.
using ShiftTexts = std::array<std::string, 7>;
ShiftTexts MakeShiftTexts(const CShiftFields& shift, bool bActive);

// The operator name typed for a new shift, trimmed; a refusal for the
// operator when it is empty or too long, else empty.
std::string CheckOperatorName(const std::string& name);

}  // namespace shift_rules
