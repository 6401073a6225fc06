// The resizing rules of the program's resizable dialogs as pure functions:
// where an anchored control goes when the dialog's client area changes
// size, and the text form of a saved window placement. Thread-safe.
#pragma once

#include <optional>
#include <string>

#include "platform/WinTypes.h"

// An anchor: how far (in percent of the size change) an edge follows the
// client area's growth, horizontally (cx) and vertically (cy).
constexpr CSize ANCHOR_TOPLEFT(0, 0);
constexpr CSize ANCHOR_TOP(50, 0);
constexpr CSize ANCHOR_TOPRIGHT(100, 0);
constexpr CSize ANCHOR_LEFT(0, 50);
constexpr CSize ANCHOR_MIDDLE(50, 50);
constexpr CSize ANCHOR_RIGHT(100, 50);
constexpr CSize ANCHOR_BOTTOMLEFT(0, 100);
constexpr CSize ANCHOR_BOTTOM(50, 100);
constexpr CSize ANCHOR_BOTTOMRIGHT(100, 100);

// The control's rectangle for the client size `now`, given its rectangle
// at the initial client size: the top-left corner moves by topLeft percent
// of the growth, the bottom-right corner by bottomRight percent. Percents
// outside 0..100 are clamped. Never narrower or lower than zero.
CRect AnchoredRect(const CRect& initial, CSize initialClient, CSize now, CSize topLeft,
                   CSize bottomRight);

// A saved placement: the window's normal rectangle (the one it has when
// neither maximised nor minimised) and whether it was maximised.
struct WindowPlacement {
  CRect rect;
  bool maximized = false;
  bool operator==(const WindowPlacement&) const = default;
};

// "left,top,right,bottom,maximized" and back. Parsing refuses anything
// else (missing or extra fields, non-numbers, an empty or absurd
// rectangle) so a damaged profile entry is ignored, never applied.
std::string PlacementToText(const WindowPlacement& p);
std::optional<WindowPlacement> PlacementFromText(const std::string& text);

// The placement made fit for the screen: at least minSize large, moved
// back onto the screen when it lies (partly) outside, and no larger than
// the screen (an empty screen: the size only). The window manager's frame
// is not counted; SetWindowPlacement fits it with the frame.
CRect FitPlacement(const CRect& rect, CSize minSize, const CRect& screen);
