#include "shapes/ShapeText.h"

#include "attrib/AlarmPack.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "shapes/BaseShape.h"

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
  CFont* oldFont = dc->SelectObject(C_BaseShape::GetShapeFont());
  const COLORREF oldColor = dc->SetTextColor(color);
  const int oldMode = dc->SetBkMode(TRANSPARENT);
  CRect box = rect;
  dc->DrawText(text, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  dc->SetBkMode(oldMode);
  dc->SetTextColor(oldColor);
  dc->SelectObject(oldFont);
}
