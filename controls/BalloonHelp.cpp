#include "controls/BalloonHelp.h"

std::string CBalloonHelp::BalloonText(const std::string& content, const std::string& url) {
  if (url.empty()) return content;
  return content.empty() ? url : content + "\n" + url;
}

CBalloonTip* CBalloonHelp::ShowBalloon(const std::string& title, const std::string& content, CWnd* pAnchor,
                                       UINT nIconId, UINT, UINT nTimeoutMs, CWnd*, const std::string& url) {
  if (pAnchor && !pAnchor->IsWindowCreated()) pAnchor = nullptr;
  return CBalloonTip::Show(title, BalloonText(content, url), pAnchor, nIconId ? LoadIcon(nIconId) : nullptr,
                           nTimeoutMs);
}

CBalloonTip* CBalloonHelp::ShowBalloonAt(const std::string& title, const std::string& content, CWnd* pParent,
                                         CPoint anchor, UINT nIconId, UINT, UINT nTimeoutMs,
                                         const std::string& url) {
  if (pParent) {
    if (!pParent->IsWindowCreated()) return nullptr;
    pParent->ClientToScreen(&anchor);
  }
  return CBalloonTip::ShowAt(title, BalloonText(content, url), anchor, nIconId ? LoadIcon(nIconId) : nullptr,
                             nTimeoutMs);
}
