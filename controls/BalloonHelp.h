// A balloon tip: a rounded note with an icon, a bold title and a text,
// pointing with its tail at a control or a point, that closes itself after
// its time-out or when clicked. The icon is a standard one (IDI_*) or an
// icon resource. It is drawn as a child window on top of
// the window it appears in, so it needs nothing from the window system
// and never takes the focus. The balloon owns itself: it is deleted when
// it closes. User-interface thread only.
#pragma once

#include <string>

#include "controls/ControlGeometry.h"
#include "platform/Wnd.h"
#include "platform/ui/Icons.h"  // IDI_INFORMATION and the other standard icons

class CDC;

class CBalloonHelp : public CWnd {
 public:
  // Shows a balloon at the anchor window's top-left corner (with no
  // anchor, at the middle of the parent). The balloon appears in the
  // parent, or without one in the anchor's top-level window. options are
  // the callers' option bits (they pass 0x81C0: close on a click or the
  // time-out); a time-out of 0 keeps the balloon until clicked. url is
  // kept in the text when not empty. Returns the balloon (owned by
  // itself), or null when there is no window to show it in.
  static CBalloonHelp* ShowBalloon(const std::string& title, const std::string& content,
                                   CWnd* pAnchor, UINT nIconId, UINT nOptions, UINT nTimeoutMs,
                                   CWnd* pParent, const std::string& url = "");
  // The same at a point given in screen coordinates.
  static CBalloonHelp* ShowBalloonAt(const std::string& title, const std::string& content,
                                     CWnd* pParent, CPoint anchorScreen, UINT nIconId,
                                     UINT nOptions, UINT nTimeoutMs, const std::string& url = "");
  // The number of balloons open now (tests, diagnostics).
  static int GetOpenCount();

  const std::string& GetTitle() const { return m_strTitle; }
  const std::string& GetContent() const { return m_strContent; }
  void DrawBalloon(CDC* pDC);

 protected:
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnTimer(UINT_PTR id) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void PostNcDestroy() override;

 private:
  CBalloonHelp() = default;
  ~CBalloonHelp() override;
  static CBalloonHelp* Show(const std::string& title, const std::string& content, CWnd* host,
                            CPoint anchorInHost, UINT nIconId, UINT nTimeoutMs, const std::string& url);
  void DrawIcon(CDC* pDC, const CRect& box) const;

  static constexpr UINT_PTR kCloseTimer = 1;
  std::string m_strTitle;
  std::string m_strContent;
  UINT m_nIconId = 0;
  controls::BalloonLayout m_layout;
};
