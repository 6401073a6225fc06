#include "shapes/ShapeText.h"

#include <array>

#include "attrib/AlarmPack.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "shapes/BaseShape.h"

namespace {

// The shape font and two smaller sizes of it, for texts wider than their
// room. Made once and kept for the program's life like the shape font.
CFont* SmallerShapeFont(int tenthsOfPoint) {
  const auto make = [](int height) {
    auto* font = new CFont();
    LOGFONT logFont{};
    logFont.lfHeight = height;
    logFont.lfWeight = FW_BOLD;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfFaceName = "Tahoma";
    font->CreatePointFontIndirect(&logFont);
    return font;
  };
  static CFont* const seven = make(70);
  static CFont* const six = make(60);
  return tenthsOfPoint >= 70 ? seven : six;
}

}  // namespace

const CAlarmStruct* FirstShownAlarm(const CAlarmPack& alarms) {
  for (int i = 0; i < alarms.GetAlarmCount(); ++i) {
    const CAlarmStruct* alarm = alarms.GetAlarmAt(i);
    if (alarm->IsActive() && !alarm->IsDisplayed()) return alarm;
  }
  return nullptr;
}

COLORREF ComplementColor(COLORREF color) { return (0xFFFFFF - color) & 0xFFFFFF; }

void DrawShapeText(CDC* dc, const std::string& text, const CRect& rect, COLORREF color) {
  if (text.empty()) return;
  const std::array<CFont*, 3> fonts = {C_BaseShape::GetShapeFont(), SmallerShapeFont(70), SmallerShapeFont(60)};
  CFont* oldFont = dc->SelectObject(fonts[0]);
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  for (size_t i = 1; dc->GetTextExtent(text).cx > rect.Width(); ++i) {
    if (i == fonts.size()) {
      format |= DT_END_ELLIPSIS;  // too long even in the smallest size
      break;
    }
    dc->SelectObject(fonts[i]);
  }
  const COLORREF oldColor = dc->SetTextColor(color);
  const int oldMode = dc->SetBkMode(TRANSPARENT);
  CRect box = rect;
  dc->DrawText(text, &box, format);
  dc->SetBkMode(oldMode);
  dc->SetTextColor(oldColor);
  dc->SelectObject(oldFont);
}
