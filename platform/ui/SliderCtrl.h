// A slider (track bar), horizontal or vertical (TBS_VERT). The user's moves
// reach the parent as WM_HSCROLL / WM_VSCROLL with TB_* codes, the new
// position and the slider as the scroll-bar argument; SetPos from code
// sends nothing.
// Threads: user-interface thread.
#pragma once

#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"

class CSliderCtrl : public CWnd {
 public:
  CSliderCtrl();
  ~CSliderCtrl() override;

  void SetRange(int minPos, int maxPos, BOOL redraw = FALSE);
  void SetRangeMin(int minPos, BOOL redraw = FALSE);
  void SetRangeMax(int maxPos, BOOL redraw = FALSE);
  void GetRange(int& minPos, int& maxPos) const;
  int GetRangeMin() const;
  int GetRangeMax() const;
  void SetPos(int pos);
  int GetPos() const;
  void SetTicFreq(int frequency);
  int SetPageSize(int size);
  int GetPageSize() const;
  int SetLineSize(int size);
  int GetLineSize() const;

  // Moves the thumb as the user would and notifies the parent (TB_THUMBPOSITION, TB_ENDTRACK).
  void MoveAsUser(int pos);

  // ---- Platform only ---------------------------------------------------------------
  void Notify(UINT code, int pos);

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;
};
