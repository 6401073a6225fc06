// The geometry of the vessel shape as pure functions of the window size,
// the creation words and the vessel's state, so tests check them by
// numbers and the shape only draws what these computed.
//
// A vessel's outline has 100 rows from the top edge (row 0) to the bottom
// edge (row 99), each with a left and a right wall. The type (the second
// option word) chooses the form: a hopper shaped by the layout word (types
// 1, 2, 8), a screen-top vessel (4), a cyclone-like body (5), a vessel
// sloping to one side (6 to the right, 7 to the left), or a rectangle. The
// level polygon is the part of the outline below the level's row; text
// and marks sit in horizontal bands chosen by the nibbles of the style word.
// Pure functions; safe from any thread.
#pragma once

#include <array>
#include <vector>

#include "platform/WinTypes.h"

constexpr int kVesselRows = 100;

// Row i lies at y[i] = i * H / 99, between left[i] and right[i].
struct VesselOutline {
  std::array<int, kVesselRows> y{};
  std::array<int, kVesselRows> left{};
  std::array<int, kVesselRows> right{};
};

// The layout word of a hopper: nibbles L0..L5 (bits 0-3 .. 20-23) and the
// straight share S (the top byte modulo 100, at least 1).
struct VesselLayoutWord {
  std::array<int, 6> nibble{};
  int straightShare = 1;
};
VesselLayoutWord DecodeVesselLayout(DWORD word);

// The outline of a vessel of the type in a window of width x height. Every
// row is laid out by every type; a wall the form would put outside the
// window is held at the window's edge.
//
// Hopper (types 1, 2, 8): P = 100 - S rows are shared out by the weights L1,
// L2, L3 (L4 only joins their sum): A = P*L1/sum rows straight at
// W(1 -/+ L0/15)/2; B = P*L2/sum rows widening from A's last row (row 0,
// at W/2, when A is empty) by j(1 - L0/15)(W/2)/B; S straight rows at 0
// and W; D = P*L3/sum rows narrowing from full width by j(1 - L5/15)(W/2)/D;
// the rest straight at W(1 -/+ L5/15)/2. A sum of zero gives A, B and D
// no rows (no division by zero).
VesselOutline LayoutVesselOutline(int type, DWORD layoutWord, int width, int height);

// The polygon of the rows from firstRow to 99: down the left wall, then up
// the right wall. Empty for a first row outside 0..99.
std::vector<CPoint> VesselPolygon(const VesselOutline& outline, int firstRow);
// The level polygon at percent (0-100, truncated): the outline below row
// 100 - percent. Empty at 0 % or below; the whole outline at 100 % and above.
std::vector<CPoint> VesselLevelPolygon(const VesselOutline& outline, float percent);

// Nibble index (0-4) of the style word: bits 4*index .. 4*index+3.
int VesselStyleNibble(DWORD style, int index);
// The band of a style nibble: centred at y = nibble * H / 16, 20 pixels
// high, across the whole width.
CRect VesselBandRect(int nibble, int width, int height);

// The moving mark of bands s0 and s1: its position from the centre and its
// direction (+1 outwards, -1 inwards).
struct VesselMark {
  int position = 0;
  int direction = 1;
};
// The mark's travel A at height y: the distance from the centre (W/2) to
// the nearer wall of the outline row at y (row y*99/H) less 5, at least 5.
int VesselMarkTravel(const VesselOutline& outline, int y, int width, int height);
// One paint's move: by max(1, trunc(A x speed percent x 0.0015)) while the
// drive runs with a speed above 0, else by 0. Reaching trunc(0.9 A) holds
// the mark at trunc(0.9 A) - 1, falling to 0 or below at 1; at both ends
// the direction turns when bounce is set.
void AdvanceVesselMark(VesselMark& mark, int travel, float speedPercent, bool running, bool bounce);
// The mark drawn as a paddle seen from the side: centred at (W/2, y), the
// position as its half-width, max(1, trunc(0.05 A)) as its half-height.
CRect VesselMarkRect(int travel, int position, int y, int width);
