// Pure rules of the program's own controls: which colours and icon a
// button shows in which state, how large a label's automatic font is, and
// where a group box puts its caption and frame, what an input box accepts. Windows only draw what
// these functions compute; all are thread-safe.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace controls {

// ---- Owner-drawn button --------------------------------------------------------
// Colour slots of a CButtonQM: even slots backgrounds, odd slots texts, in
// pairs for the hot (pointed at, pressed or lit), normal and focused looks.
enum ButtonColorSlot {
  BTNST_COLOR_BK_IN = 0,
  BTNST_COLOR_FG_IN = 1,
  BTNST_COLOR_BK_OUT = 2,
  BTNST_COLOR_FG_OUT = 3,
  BTNST_COLOR_BK_FOCUS = 4,
  BTNST_COLOR_FG_FOCUS = 5,
  BTNST_MAX_COLORS = 6,
};

struct ButtonState {
  bool hot = false;       // the pointer is over the button
  bool pressed = false;   // held down with the mouse or the space bar
  bool focused = false;
  bool lit = false;       // checked, for a button in check-box mode
  bool disabled = false;
};

// The background slot of the state (the text slot is the next one).
int ButtonBackgroundSlot(const ButtonState& s);
// True when the "in" icon (hot or pressed) is shown rather than the normal one.
bool ButtonShowsIconIn(const ButtonState& s);

// Icon left, text after it, both centred as a group; without an icon the
// text gets the whole client area (drawn centred). A pressed button shifts
// its content by one pixel to the right and down.
struct ButtonContent {
  CRect icon;  // empty without an icon
  CRect text;
};
ButtonContent LayoutButtonContent(const CRect& client, CSize iconSize, int textWidth,
                                  bool pressed);

// ---- Label -----------------------------------------------------------------------
// The font height in pixels of a label: a point size (at 96 pixels per
// inch) or, for -1, three quarters of the label's height. Never below 1.
int LabelFontPixelHeight(int pointSize, int labelHeightPx);

// ---- Group box -------------------------------------------------------------------
enum class CaptionAlign { Left = 0, Center = 1, Right = 2 };

struct GroupBoxLayout {
  CRect frame;    // the rectangle the frame is drawn on
  CRect caption;  // where the caption text goes (with its band for style 1)
};

// Box style 0: a frame whose top edge runs through the middle of the
// caption, the caption (aligned on the edge) interrupting it. Box style 1:
// a caption band filled in the frame colour across the top, the frame
// around band and body; the caption rectangle is the band's text area, in
// which the caption is drawn with the alignment.
GroupBoxLayout LayoutGroupBox(const CRect& client, CSize captionText, int boxStyle,
                              CaptionAlign align);

// ---- Input box ---------------------------------------------------------------------
// Whether the text may stand in an input box of the mode (1: digits only).
bool IsAcceptedInput(const std::string& text, int inputMode);

}  // namespace controls
