// The belt's drawing as pure functions: the pulley squares laid out at
// creation, the text rooms between the pulleys, the load band above the
// upper strand, the spokes, and the value label. Tests check them by
// numbers; the shape only draws what these computed.
// Pure functions and plain values; safe from any thread.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "shapes/ImpellerGeometry.h"

struct BeltLayout {
  int width = 0;
  int height = 0;
  CRect head;        // E: the head pulley's square (a tenth of the height below the top)
  CRect headPulley;  // F: E inset by 3 pixels
  CRect tailPulley;  // G: F moved to the right end
  // The pulleys' centres; the strands run between them along F's top and bottom.
  int HeadCentreX() const { return head.right / 2; }
  int TailCentreX() const { return HeadCentreX() + width - head.right; }
  int CentreY() const { return (headPulley.top + headPulley.bottom) / 2; }
};

BeltLayout BeltLayoutFor(const CRect& client);
// Between the pulleys: the value label in the upper third, the caption in
// the lower part.
CRect BeltLabelRect(const BeltLayout& layout);
CRect BeltCaptionRect(const BeltLayout& layout);
// The material on the belt: the strip above the upper strand between the
// pulley centres, from the client top to E's top, and the part of it the
// load fills (percent 0-100 of the Load range): from y = trunc((100 -
// percent) * E.top / 100) down to E.top; empty at 0 %.
CRect BeltLoadStrip(const BeltLayout& layout);
CRect BeltLoadBand(const BeltLayout& layout, float loadPercent);
// The load pattern: 8 rows of an 8 x 8 monochrome bitmap, each padded to two bytes.
const std::array<BYTE, 16>& BeltLoadPatternBits();

// Words of the descriptor: spokes per pulley (bits 0-3 of the first option
// word, plus 1), the pulleys' turning direction (bits 0-3 of the style
// word: 1 forward, 2 backward) and the value label selector (bits 8-11).
int BeltSpokeCount(int option1);
int BeltDirection(DWORD style);
int BeltLabelSelector(DWORD style);
// Only orientation 0 and 1 exist; 1 draws spokes in the pulleys.
bool IsValidBeltOrientation(int orientation);
// The spokes of a pulley: the wheel's blades with the count, radii
// trunc(0.15 P) and trunc(0.45 P) for a pulley P wide. Orientation 0 has
// no spokes (empty).
std::vector<PolarRecord> BeltSpokeRecords(const BeltLayout& layout, int spokes, double angle, int orientation);

// The value label of selector 1-9: Speed, Load, Flow (selector - 1) mod 3
// with 0, 1 or 2 decimals ((selector - 1) / 3), a blank and the group's
// unit text ("%0.1f %s"). Empty for any other selector.
std::string BeltValueLabel(int selector, const std::array<float, 3>& values,
                           const std::array<std::string, 3>& unitTexts);
