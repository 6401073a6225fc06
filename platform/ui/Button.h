// A button window: push button, default push button, check box (two or
// three states), radio button, group box or owner-drawn button, chosen by
// the style (BS_*). A click sends BN_CLICKED to the parent (after the
// button's own OnChildNotify); automatic check boxes and radio buttons
// change their state first, an automatic radio button clearing the other
// automatic radio buttons of its group (siblings up to the next WS_GROUP).
// SetCheck from code changes the state without a notification.
// An owner-drawn button (BS_OWNERDRAW) is drawn by DrawItem on every paint.
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <string>

#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/GdiTypes.h"

constexpr UINT BST_PUSHED = 0x4;
constexpr UINT BST_FOCUS = 0x8;

class CButton : public CWnd {
 public:
  CButton();
  ~CButton() override;

  int GetCheck() const { return m_nCheck; }
  void SetCheck(int check);
  // BST_CHECKED / BST_INDETERMINATE with BST_PUSHED while held down and BST_FOCUS.
  UINT GetState() const;
  void SetState(BOOL highlight);
  UINT GetButtonStyle() const { return m_dwStyle & 0xFFFF; }
  void SetButtonStyle(UINT style, BOOL redraw = TRUE);
  HICON SetIcon(HICON icon);
  HICON GetIcon() const { return m_hIcon; }
  HBITMAP SetBitmap(HBITMAP bitmap);
  HBITMAP GetBitmap() const { return m_hBitmap; }

  void SetWindowText(const std::string& text) override;
  std::string GetWindowText() const override;

  // Presses and releases the button as the user would (tests, keyboard).
  void Click();

  // Owner-drawn buttons: draws the button. The default sends WM_DRAWITEM to
  // the parent.
  virtual void DrawItem(DRAWITEMSTRUCT* drawItem);

  // ---- Platform only -----------------------------------------------------------
  void HandleClick();  // the toolkit reported a click
  bool IsOwnerDrawn() const { return (m_dwStyle & BS_TYPEMASK) == BS_OWNERDRAW; }

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;
  void OnWidgetCreated() override;

 private:
  int m_nCheck = BST_UNCHECKED;
  HICON m_hIcon = nullptr;
  HBITMAP m_hBitmap = nullptr;
  std::unique_ptr<HICON__> m_bitmapImage;  // a selected bitmap, shown as the button's image
};
