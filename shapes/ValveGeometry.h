// The geometry of the two valve shapes as pure functions of the window
// size and the valve's state, so tests check them by numbers and the
// shapes only draw what these computed.
//
// C_Valve: two wedges facing each other across the pipe. Each is a thin bar
// across the pipe (its base) and a point towards the middle (its tip); a
// closed valve's tips meet in the middle, an open valve's wedges move
// outward by the opening gap, and the passage between the tips shows.
// C_DBFValve: a flap turning around a pivot, a six-point polygon given in
// polar form around the pivot.
// Pure functions; safe from any thread.
#pragma once

#include <array>

#include "platform/WinTypes.h"

// The two wedges: the upper (vertical pipe) or left (horizontal pipe) one
// first. Points 0-3 are the base bar, points 4 and 5 the tip.
struct ValveWedges {
  std::array<CPoint, 6> first;
  std::array<CPoint, 6> second;
};

// The closed form (the geometry made at creation): bases at 15-17 % and
// 83-85 % of the pipe's length, tips in the middle.
ValveWedges ValveClosedWedges(int width, int height, bool vertical);
// The open form, each wedge moved outward by gap (a fraction of the
// length): a vertical pipe's bases at (0.15 - gap)..(0.17 - gap) and
// (0.83 + gap)..(0.85 + gap), a horizontal pipe's at (0.15 - gap)..(0.18 -
// gap) and (0.82 + gap)..(0.85 + gap); tips at 0.5 -/+ gap.
ValveWedges ValveOpenWedges(int width, int height, bool vertical, double gap);
// The opening gap of a valve at percent (0-100) of its position range:
// percent / 667, at least 0.05, for a percent above 0; else 0.
double ValveOpeningGap(float percent);
// Whether the open form is drawn, by bits 28-31 of the style word: 0 draws
// an open valve open, 1 draws it closed (and a closed one open), any other
// value always the closed form.
bool ValveDrawnOpen(DWORD style, bool open);
// The passage between the two tips, across the whole pipe; at least one
// pixel long, so a closed valve shows a line.
CRect ValvePassage(const ValveWedges& wedges, bool vertical, int width, int height);

// The flap of a diverter valve: its pivot, its length, its angle when
// closed and the turn to its fully open angle (radians, counter-clockwise
// on the screen).
struct DbfFlapLayout {
  double pivotX = 0.0;
  double pivotY = 0.0;
  double length = 0.0;
  double baseAngle = 0.0;
  double fullTurn = 0.0;
};

// By the second option word: 2 pivots at the top right (0.9w, 0.1h), the
// flap along the top (angle pi) turning down the right side; 3 pivots at the
// bottom middle (0.5w, 0.95h), the flap at atan(2h div w) turning to its
// mirror image (pi - base); any other value pivots at the top left (0.1w,
// 0.1h), the flap along the top turning down the left side. Each layout
// turns towards the inside of its window.
DbfFlapLayout DbfFlapLayoutFor(int width, int height, int option2);
// The flap's angle: turned by percent of the full turn while the valve is
// open (its feedback on); the base angle while closed.
double DbfFlapAngle(const DbfFlapLayout& layout, float percent, bool open);
// The six points: the pivot, (0.1L, a + pi/4), (0.9L, a + 0.11), (L, a),
// (0.9L, a - 0.11), (0.1L, a - pi/4), each at pivot + (r cos, -r sin),
// rounded to the nearest pixel.
std::array<CPoint, 6> DbfFlapPolygon(const DbfFlapLayout& layout, double angle);
// The pivot's round: a twelfth of the smaller side as radius, at least 2.
CRect DbfPivotEllipse(const DbfFlapLayout& layout, int width, int height);
