// ShapeCreateInfo: how a device shape is made: its style word, its place
// and size in the supervise view's client area, two option words and its
// device name. The style and option words carry class-specific bit fields
// (orientation, layout, two-speed drive); the base shape reads none of them.
// A plain value; copy it freely.
#pragma once

#include <string>

#include "core/VekUtils.h"
#include "platform/WinTypes.h"

struct ShapeCreateInfo {
  ShapeCreateInfo() = default;
  ShapeCreateInfo(DWORD style, int left, int top, int width, int height, int option1, int option2,
                  const std::string& deviceName)
      : dwStyle(style), x(left), y(top), cx(width), cy(height), nOption1(option1), nOption2(option2),
        m_strDeviceName(TrimText(deviceName)) {}

  DWORD dwStyle = 0;  // class-specific bit fields
  int x = 0;          // left edge in the view's client coordinates
  int y = 0;          // top edge
  int cx = 100;       // width
  int cy = 100;       // height
  int nOption1 = 0;   // class-specific
  int nOption2 = 0;   // class-specific, as a rule the orientation or variant

  // The device name is kept trimmed at both ends, whatever is assigned.
  const std::string& GetDeviceName() const { return m_strDeviceName; }
  void SetDeviceName(const std::string& name) { m_strDeviceName = TrimText(name); }

  // The rectangle (x, y, x + cx, y + cy).
  CRect GetRect() const { return CRect(x, y, x + cx, y + cy); }

 private:
  std::string m_strDeviceName;
};
