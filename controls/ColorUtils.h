// Colour arithmetic shared by the program's own controls. Pure functions
// on COLORREF values; safe to call from any thread.
#pragma once

#include "platform/WinTypes.h"

// Every channel c becomes c - c * dFactor (truncated) for 0 < dFactor <= 1;
// any other factor (zero, negative, above one, not a number) returns cr
// unchanged.
COLORREF DarkenColor(COLORREF cr, double dFactor);
