// Platform-internal: a toolkit scroll bar that behaves as a window's scroll
// bar does: it reports line, page and thumb actions (SB_* codes) and does
// not move by itself; the owner sets the position in its handler.
// Threads: user-interface thread.
#pragma once

#include <QObject>
#include <QScrollBar>
#include <functional>

#include "platform/ui/ControlStyles.h"

namespace platform_detail {

class ScrollBarAdapter : public QObject {
 public:
  // notify(code, position) is called for every action of the user.
  ScrollBarAdapter(QScrollBar* bar, std::function<void(UINT, int)> notify);

  // SCROLLINFO semantics: the largest position is nMax - nPage + 1.
  void SetInfo(const SCROLLINFO& info);
  SCROLLINFO GetInfo() const;
  void SetPos(int pos);
  int GetPos() const { return m_info.nPos; }
  // True when the page covers the whole range (nothing to scroll).
  bool NothingToScroll() const;
  QScrollBar* Bar() const { return m_bar; }

 private:
  void Apply();
  QScrollBar* m_bar;
  std::function<void(UINT, int)> m_notify;
  SCROLLINFO m_info;
  bool m_applying = false;
};

}  // namespace platform_detail
