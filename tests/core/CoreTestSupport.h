// Helpers shared by the engine-core tests: a window that records the tag
// notices it receives, and quick tag definitions.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/CoreMessages.h"
#include "core/DCTag.h"
#include "platform/Thread.h"
#include "platform/Wnd.h"

namespace core_test {

class NoticeWnd : public CWnd {
 public:
  std::vector<std::pair<CDCTag*, int>> notices;  // (tag, code) in arrival order
  std::vector<std::pair<WPARAM, LPARAM>> pending;  // WM_DATACENTER_PENDING

  NoticeWnd() { Create("notice", 0, CRect(0, 0, 10, 10), nullptr, 0); }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DCTAG_NOTICE) {
      notices.emplace_back(reinterpret_cast<CDCTag*>(wParam), static_cast<int>(lParam));
      return 0;
    }
    if (message == WM_DATACENTER_PENDING) {
      pending.emplace_back(wParam, lParam);
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }

  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const auto& n : notices) codes.push_back(n.second);
    return codes;
  }
};

// Delivers every posted message now.
inline void Deliver() {
  for (int i = 0; i < 3; ++i) ProcessPendingEvents();
}

inline TagDefinition MakeDef(const std::string& name, int hw, int io, VARTYPE vt, int stack = 0) {
  TagDefinition def;
  def.nLineNumber = 1;
  def.strTagName = name;
  def.nHWType = hw;
  def.nIOType = io;
  def.vtDataType = vt;
  def.nDataStackSize = stack;
  return def;
}

}  // namespace core_test
