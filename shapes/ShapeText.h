// The texts the shapes write on themselves: which alarm a shape shows, and
// one centred line in the shared shape font.
// FirstShownAlarm is pure; DrawShapeText on the user-interface thread.
#pragma once

#include <string>

#include "platform/WinTypes.h"

class CAlarmPack;
class CAlarmStruct;
class CDC;

// The first alarm of the list that is active and not yet displayed; null
// when there is none (also when every active alarm is displayed).
const CAlarmStruct* FirstShownAlarm(const CAlarmPack& alarms);

// The complement of a colour, 0xFFFFFF minus it (the text on a fill of
// that colour).
COLORREF ComplementColor(COLORREF color);

// Writes the text centred on one line in the rectangle, in the shape font
// and the colour, with a transparent background. A text wider than the
// rectangle takes the font a point or two smaller and, when it is still too
// wide, ends in "..." rather than being cut at both sides. The context's
// font, text colour and background mode are restored afterwards.
void DrawShapeText(CDC* dc, const std::string& text, const CRect& rect, COLORREF color);
