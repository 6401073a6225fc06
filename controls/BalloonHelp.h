// Balloon tips as the program's dialogs show them: a title, a text and an
// icon at a control's top-left corner (or at the cursor) or at a point,
// closed after a time-out or by a click. The platform's balloon window
// draws them; this is the program's way of asking for one.
// User-interface thread only.
#pragma once

#include <string>

#include "platform/Wnd.h"
#include "platform/ui/BalloonTip.h"
#include "platform/ui/Icons.h"  // IDI_INFORMATION and the other standard icons

class CBalloonHelp {
 public:
  // The option value the program's dialogs pass: close on a click or when
  // the time-out has passed (the only behaviour offered).
  static constexpr UINT kDefaultOptions = 0x81C0;

  // A balloon at the anchor window's top-left corner; with no anchor, at
  // the cursor. nIconId is a standard icon (IDI_*) or an icon resource (0:
  // none). A time-out of 0 keeps it until clicked. A non-empty URL is shown
  // on a line of its own under the content. nOptions and pParent are
  // accepted for the callers' sake. Returns the balloon (it owns itself),
  // or null when none could be shown.
  static CBalloonTip* ShowBalloon(const std::string& title, const std::string& content, CWnd* pAnchor,
                                  UINT nIconId, UINT nOptions, UINT nTimeoutMs, CWnd* pParent,
                                  const std::string& url = "");
  // The same at a point: in pParent's client coordinates, or in screen
  // coordinates without a parent.
  static CBalloonTip* ShowBalloonAt(const std::string& title, const std::string& content, CWnd* pParent,
                                    CPoint anchor, UINT nIconId, UINT nOptions, UINT nTimeoutMs,
                                    const std::string& url = "");

  // The text shown: the content, and the URL under it when given. Pure.
  static std::string BalloonText(const std::string& content, const std::string& url);
};
