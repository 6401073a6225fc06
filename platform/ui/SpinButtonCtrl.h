// An up-down (spin) control: two arrows that step a position within a
// range, optionally shown in a buddy window (UDS_SETBUDDYINT writes the
// position into the buddy's text; UDS_AUTOBUDDY takes the previous sibling;
// UDS_ALIGNRIGHT / UDS_ALIGNLEFT sit the arrows on the buddy's edge). A
// step first asks the parent with WM_NOTIFY UDN_DELTAPOS (a non-zero answer
// cancels it), then moves and sends WM_VSCROLL (WM_HSCROLL with UDS_HORZ)
// with SB_THUMBPOSITION. The up arrow moves towards the upper limit, so a
// range given as (100, 0) makes it count down, as the classic default does.
// Threads: user-interface thread.
#pragma once

#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"

class CSpinButtonCtrl : public CWnd {
 public:
  CSpinButtonCtrl();
  ~CSpinButtonCtrl() override;

  void SetRange(int lower, int upper);
  void SetRange32(int lower, int upper) { SetRange(lower, upper); }
  void GetRange(int& lower, int& upper) const;
  void GetRange32(int& lower, int& upper) const { GetRange(lower, upper); }
  int SetPos(int pos);  // returns the previous position
  int SetPos32(int pos) { return SetPos(pos); }
  int GetPos() const { return m_nPos; }
  int GetPos32() const { return m_nPos; }
  CWnd* SetBuddy(CWnd* buddy);
  CWnd* GetBuddy() const { return m_pBuddy; }

  // One step up (+1) or down (-1) as the user's click on an arrow.
  void Step(int direction);

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;
  void OnWidgetCreated() override;
  int OnCreate() override;

 private:
  void UpdateBuddy();
  int m_nLower = 100;
  int m_nUpper = 0;
  int m_nPos = 0;
  CWnd* m_pBuddy = nullptr;
};
