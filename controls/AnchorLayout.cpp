#include "controls/AnchorLayout.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/ui/WindowPlacement.h"

namespace {

int Share(int growth, int percent) { return growth * std::clamp(percent, 0, 100) / 100; }

// The largest coordinate a saved placement may hold.
constexpr long kCoordinateLimit = 100000;

}  // namespace

CRect AnchoredRect(const CRect& initial, CSize initialClient, CSize now, CSize topLeft,
                   CSize bottomRight) {
  const int dx = now.cx - initialClient.cx;
  const int dy = now.cy - initialClient.cy;
  CRect r(initial.left + Share(dx, topLeft.cx), initial.top + Share(dy, topLeft.cy),
          initial.right + Share(dx, bottomRight.cx), initial.bottom + Share(dy, bottomRight.cy));
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

std::string PlacementToText(const WindowPlacement& p) {
  return std::to_string(p.rect.left) + "," + std::to_string(p.rect.top) + "," +
         std::to_string(p.rect.right) + "," + std::to_string(p.rect.bottom) + "," +
         (p.maximized ? "1" : "0");
}

std::optional<WindowPlacement> PlacementFromText(const std::string& text) {
  std::vector<long> fields;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    const std::string field = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (field.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(field.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < -kCoordinateLimit || v > kCoordinateLimit) return std::nullopt;
    fields.push_back(v);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (fields.size() != 5 || (fields[4] != 0 && fields[4] != 1)) return std::nullopt;
  WindowPlacement p;
  p.rect = CRect(static_cast<int>(fields[0]), static_cast<int>(fields[1]), static_cast<int>(fields[2]),
                 static_cast<int>(fields[3]));
  p.maximized = fields[4] == 1;
  if (p.rect.IsRectEmpty()) return std::nullopt;
  return p;
}

CRect FitPlacement(const CRect& rect, CSize minSize, const CRect& screen) {
  return FitWindowRect(rect, screen, CRect(), minSize);
}
