#include "controls/ControlGeometry.h"

#include <algorithm>

namespace controls {

int ButtonBackgroundSlot(const ButtonState& s) {
  if (!s.disabled && (s.hot || s.pressed || s.lit)) return BTNST_COLOR_BK_IN;
  if (s.lit) return BTNST_COLOR_BK_IN;  // a lit lamp stays lit while disabled
  if (!s.disabled && s.focused) return BTNST_COLOR_BK_FOCUS;
  return BTNST_COLOR_BK_OUT;
}

bool ButtonShowsIconIn(const ButtonState& s) { return s.lit || (!s.disabled && (s.hot || s.pressed)); }

ButtonContent LayoutButtonContent(const CRect& client, CSize iconSize, int textWidth, bool pressed) {
  constexpr int kGap = 4;
  const int shift = pressed ? 1 : 0;
  ButtonContent c;
  if (iconSize.cx <= 0 || iconSize.cy <= 0) {
    c.text = client;
    c.text.OffsetRect(shift, shift);
    return c;
  }
  textWidth = std::max(0, textWidth);
  const int groupWidth = iconSize.cx + (textWidth > 0 ? kGap + textWidth : 0);
  const int x = client.left + std::max(0, (client.Width() - groupWidth) / 2);
  const int y = client.top + (client.Height() - iconSize.cy) / 2;
  c.icon = CRect(CPoint(x, y), iconSize);
  const int textLeft = c.icon.right + kGap;
  c.text = CRect(textLeft, client.top, std::max(textLeft, std::min(client.right, textLeft + textWidth)),
                 client.bottom);
  c.icon.OffsetRect(shift, shift);
  c.text.OffsetRect(shift, shift);
  return c;
}

int LabelFontPixelHeight(int pointSize, int labelHeightPx) {
  const int px = pointSize == -1 ? labelHeightPx * 3 / 4 : (pointSize * 96 + 36) / 72;
  return std::max(1, px);
}

GroupBoxLayout LayoutGroupBox(const CRect& client, CSize captionText, int boxStyle, CaptionAlign align) {
  constexpr int kPad = 8;
  GroupBoxLayout l;
  if (boxStyle == 1) {
    // The band spans the width; the text is aligned inside it.
    l.frame = client;
    l.caption = CRect(client.left + kPad, client.top + 1, client.right - kPad,
                      client.top + 1 + captionText.cy + 4);
    return l;
  }
  const int textW = std::min(captionText.cx, std::max(0, client.Width() - 2 * kPad));
  int x = client.left + kPad;
  if (align == CaptionAlign::Center) x = client.left + (client.Width() - textW) / 2;
  if (align == CaptionAlign::Right) x = client.right - kPad - textW;
  l.frame = CRect(client.left, client.top + captionText.cy / 2, client.right, client.bottom);
  l.caption = CRect(x - 2, client.top, x + textW + 2, client.top + captionText.cy);
  return l;
}

bool IsAcceptedInput(const std::string& text, int inputMode) {
  if (inputMode != 1) return true;
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace controls
