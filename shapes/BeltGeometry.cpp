#include "shapes/BeltGeometry.h"

#include "core/VekUtils.h"

namespace {

int Trunc(double value) { return static_cast<int>(value); }

}  // namespace

BeltLayout BeltLayoutFor(const CRect& r) {
  BeltLayout layout;
  layout.width = r.Width();
  layout.height = r.Height();
  const int h = layout.height;
  layout.head = CRect(r.left, r.top + Trunc(0.1 * h), r.left + Trunc(0.9 * h), r.bottom);
  layout.headPulley = layout.head;
  layout.headPulley.DeflateRect(3, 3);
  layout.tailPulley = layout.headPulley;
  layout.tailPulley.OffsetRect(layout.width - layout.head.right, 0);
  return layout;
}

CRect BeltLabelRect(const BeltLayout& l) {
  return CRect(l.head.right + 4, l.head.top + 4, l.width - l.head.right - 4, l.head.top + Trunc(0.32 * l.height));
}

CRect BeltCaptionRect(const BeltLayout& l) {
  return CRect(l.head.right + 4, l.head.top + Trunc(0.58 * l.height), l.width - l.head.right - 4, l.head.bottom - 4);
}

CRect BeltLoadStrip(const BeltLayout& l) { return CRect(l.HeadCentreX(), 0, l.TailCentreX(), l.head.top); }

CRect BeltLoadBand(const BeltLayout& l, float loadPercent) {
  return CRect(l.HeadCentreX(), Trunc((100.0 - loadPercent) * l.head.top / 100.0), l.TailCentreX(), l.head.top);
}

const std::array<BYTE, 16>& BeltLoadPatternBits() {
  static const std::array<BYTE, 16> bits = {0xFF, 0, 0xF4, 0, 0xB1, 0, 0x93, 0, 0xD1, 0, 0xD4, 0, 0x96, 0, 0xB0, 0};
  return bits;
}

int BeltSpokeCount(int option1) { return (option1 & 0xF) + 1; }

int BeltDirection(DWORD style) { return static_cast<int>(style & 0xF); }

int BeltLabelSelector(DWORD style) { return static_cast<int>((style >> 8) & 0xF); }

bool IsValidBeltOrientation(int orientation) { return orientation == 0 || orientation == 1; }

std::vector<PolarRecord> BeltSpokeRecords(const BeltLayout& layout, int spokes, double angle, int orientation) {
  if (orientation != 1) return {};
  const int pulley = layout.headPulley.Width();
  return BladeRecords(spokes, angle, Trunc(0.15 * pulley), Trunc(0.45 * pulley));
}

std::string BeltValueLabel(int selector, const std::array<float, 3>& values,
                           const std::array<std::string, 3>& unitTexts) {
  if (selector < 1 || selector > 9) return "";
  const size_t group = static_cast<size_t>((selector - 1) % 3);
  const double value = values[group];
  const char* unit = unitTexts[group].c_str();
  switch ((selector - 1) / 3) {
    case 0: return FormatText("%0.0f %s", value, unit);
    case 1: return FormatText("%0.1f %s", value, unit);
    default: return FormatText("%0.2f %s", value, unit);
  }
}
