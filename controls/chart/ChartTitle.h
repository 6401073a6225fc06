// The title of a chart: lines of text centred above the plot. Owned by
// its chart control; user-interface thread. Every change redraws the
// chart (or marks it for the redraw when refresh is held).
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CChartCtrl;

class CChartTitle {
 public:
  explicit CChartTitle(CChartCtrl* pParent) : m_pParent(pParent) {}

  void RemoveAll();
  void AddString(const std::string& text);
  size_t GetStringCount() const { return m_lines.size(); }
  std::string GetString(size_t index) const;
  const std::vector<std::string>& GetStrings() const { return m_lines; }

  void SetVisible(bool bVisible);
  bool IsVisible() const { return m_bVisible; }
  void SetColor(COLORREF color);
  COLORREF GetColor() const { return m_color; }

 private:
  CChartCtrl* m_pParent;  // the owning chart (weak)
  std::vector<std::string> m_lines;
  bool m_bVisible = true;
  COLORREF m_color = RGB(0, 0, 0);
};
