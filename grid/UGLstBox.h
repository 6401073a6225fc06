// CUGLstBox: the popup list of a drop-list cell. It lives while it has the
// focus: a click on an item or Enter stores the choice through its cell
// type, Esc or losing the focus closes it, and it deletes itself.
// User-interface thread only.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/ListBox.h"

class CUGCtrl;
class CUGDropListType;
struct LOGFONT;

// The height of one item of the list for a font: its size in points at the
// screen's pixels per inch (logPixelsY); 12 without a font.
int UGListItemHeight(const LOGFONT* font, int logPixelsY);
// The list's rectangle in the cell area's client rect: from the cell's top
// left, the cell's width, the visible items' height + 6; moved up or left
// to stay inside client and never taller than it.
CRect UGPlaceListRect(const CRect& cellRect, int visibleItems, int itemHeight, const CRect& client);

class CUGLstBox : public CListBox {
 public:
  CUGLstBox(CUGCtrl* ctrl, CUGDropListType* type);
  ~CUGLstBox() override;

  // Commits the selected item (or the given one).
  void Commit(int index = -1);
  // Closes the list without a choice (destroys it soon).
  void Close();

 protected:
  void OnKeyDown(UINT key, UINT repeatCount, UINT flags) override;
  void OnSetFocus(CWnd* oldWnd) override;
  void OnKillFocus(CWnd* newWnd) override;
  void OnCancelMode() override;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;

 private:
  CUGCtrl* m_ctrl;
  CUGDropListType* m_type;
  bool m_choiceMade = false;
  bool m_keyMove = false;  // a selection change from the arrow keys does not commit
  bool m_closing = false;
};
