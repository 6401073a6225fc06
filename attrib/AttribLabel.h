// Showing an attribute's value on a label of the supervise form: the text
// is a printf format applied to the value as a float, yellow when the
// attribute is bound to a tag and a dull red when it is not.
// User-interface thread (the label and the pack belong to it).
#pragma once

#include <string>

#include "platform/WinTypes.h"

class CLumLabel;
class CVAttribsPack;

inline constexpr COLORREF kBoundValueColor = RGB(255, 255, 0);
inline constexpr COLORREF kUnboundValueColor = RGB(165, 64, 64);

struct AttribLabelLook {
  std::string text;
  COLORREF textColor = kUnboundValueColor;
};

// True for a format holding exactly one floating-point conversion (flags,
// width and precision allowed) besides any "%%".
bool IsSingleFloatFormat(const std::string& format);

// The label's text and colour. A format that is not a single float
// conversion shows the value with "%g"; an id the pack does not have
// shows "?" in the unbound colour.
AttribLabelLook MakeAttribLabelLook(const std::string& format, CVAttribsPack* pack, int nAttribId);

// Puts that text and colour on the label (a null label is ignored).
void ShowAttribValueOnLabel(CLumLabel* label, const std::string& format, CVAttribsPack* pack,
                            int nAttribId);
