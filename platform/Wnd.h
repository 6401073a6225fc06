// The window base of the program. A CWnd object may exist before the event
// loop does (the plant's device objects live for the program's life); the
// toolkit window is made by Create and removed by DestroyWindow.
//
// Threads: a window belongs to the user-interface thread. PostMessage,
// SendMessage, SetTimer, KillTimer, Invalidate and IsWindow may be called
// from any thread; every other member only on the user-interface thread.
// A handle (HWND) is never reused, so it stays valid to compare and to
// post to after its window is gone (the post is then refused).
#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Messages.h"
#include "platform/WinTypes.h"

class QWidget;
class QObject;
class CDC;
class CFont;
class CMenu;
class CScrollBar;
struct SCROLLINFO;
class QPaintEvent;

struct HWND__;
using HWND = HWND__*;
class CBrush;
using HBRUSH = CBrush*;
struct NMHDR;

namespace platform_detail {
class WndBridge;
struct WndSurface;
struct WndScrollBars;
}

// What a window is about to be made with; PreCreateWindow may change it.
struct CREATESTRUCT {
  DWORD style = 0;
  DWORD dwExStyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::string lpszName;
};

class CWnd {
 public:
  CWnd();
  virtual ~CWnd();  // destroys the window when it still exists
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // ---- Creation and destruction -------------------------------------------
  // Makes the toolkit window: a child of parent when WS_CHILD is in the
  // style (or a parent is given), else a top-level window. WS_VISIBLE shows
  // it, WS_DISABLED disables it. Sends WM_CREATE (OnCreate; -1 refuses).
  virtual BOOL Create(const std::string& windowName, DWORD style, const CRect& rect,
                      CWnd* parent, UINT id);
  BOOL CreateEx(DWORD exStyle, const std::string& windowName, DWORD style, const CRect& rect,
                CWnd* parent, UINT id);
  // Destroys the children first, then sends WM_DESTROY and WM_NCDESTROY
  // (OnDestroy, OnNcDestroy, then PostNcDestroy) and frees the handle.
  // Called from inside one of the window's own events (a key, a click, a
  // timer, a command), the window is hidden and detached at once and its
  // toolkit window deleted after that event has returned. A handler of the
  // window (or of a child) that is inside a nested loop of its own (a popup
  // menu, a modal dialog, a message box) has that loop ended, so it
  // returns; the window object itself is left to its owner.
  virtual BOOL DestroyWindow();

  HWND GetSafeHwnd() const { return m_hWnd; }
  // The window object of a live handle; null when gone. User-interface thread.
  static CWnd* FromHandle(HWND hWnd);
  // True while the handle's window exists. Any thread.
  static bool IsWindow(HWND hWnd);
  bool IsWindowCreated() const { return IsWindow(m_hWnd); }
  // The desktop, as a parent: a top-level window or dialog created with it
  // is owned by no other window (it minimises and stacks on its own). It
  // has no window of its own. Any thread.
  static CWnd* GetDesktopWindow();

  // ---- Messages -------------------------------------------------------------
  // Queued: delivered later on the window's thread. False (and nothing
  // posted) when the window no longer exists. Any thread.
  static BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Direct: called at once on the window's thread. From another thread the
  // caller waits for the answer; the wait ends (returning 0) when the
  // calling thread is asked to stop or the user-interface thread is gone.
  static LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Every message reaches the window here; derived windows handle their own
  // messages and pass the rest to the base.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The toolkit's own handling of the message being dispatched (the
  // control draws or edits itself).
  LRESULT Default();

  // ---- Timers ----------------------------------------------------------------
  // Starts (or restarts) timer id with the period; WM_TIMER reaches OnTimer.
  // Returns id, or 0 when the window does not exist. Any thread.
  UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
  BOOL KillTimer(UINT_PTR id);

  // ---- Painting ---------------------------------------------------------------
  // Invalidate: repaint soon (the next paint pass). Any thread.
  void Invalidate(BOOL erase = TRUE);
  void InvalidateRect(const CRect* rect, BOOL erase = TRUE);
  // UpdateWindow / RedrawWindow: repaint now what is invalid.
  void UpdateWindow();
  void RedrawWindow();
  // Marks the area painted (or all with null), so no paint pass draws it.
  void ValidateRect(const CRect* rect);
  // The bounds of the area waiting to be painted; FALSE when there is none.
  BOOL GetUpdateRect(CRect* rect, BOOL erase = FALSE);
  // Moves the pixels of the client area (or of rect) by dx, dy inside the
  // clip and marks the uncovered part for painting; with no rect the child
  // windows move too.
  void ScrollWindow(int dx, int dy, const CRect* rect = nullptr, const CRect* clip = nullptr);
  // A client context made for the caller; give it back with ReleaseDC.
  CDC* GetDC();
  int ReleaseDC(CDC* dc);
  // The font of the window's text (controls); not owned, must outlive the window.
  void SetFont(CFont* font, BOOL redraw = TRUE);
  CFont* GetFont() const;

  // ---- Geometry ----------------------------------------------------------------
  void GetClientRect(CRect* rect) const;
  void GetWindowRect(CRect* rect) const;  // screen coordinates
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(const CRect& rect, BOOL repaint = TRUE);
  void ScreenToClient(CPoint* point) const;
  void ScreenToClient(CRect* rect) const;
  void ClientToScreen(CPoint* point) const;
  void ClientToScreen(CRect* rect) const;

  // ---- State ---------------------------------------------------------------------
  BOOL ShowWindow(int showCommand);
  BOOL IsWindowVisible() const;  // any thread (a cached flag)
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  virtual void SetWindowText(const std::string& text);
  virtual std::string GetWindowText() const;
  void GetWindowText(std::string& text) const { text = GetWindowText(); }
  int GetDlgCtrlID() const { return static_cast<int>(m_nID); }
  void SetDlgCtrlID(UINT id) { m_nID = id; }
  DWORD GetStyle() const { return m_dwStyle; }
  BOOL ModifyStyle(DWORD remove, DWORD add);
  CWnd* GetParent() const;
  CWnd* GetDlgItem(int id) const;
  std::vector<CWnd*> GetChildren() const;
  // The child under the point (client coordinates), hidden or disabled ones
  // included unless the flags skip them; this window when no child is there,
  // null when the point is outside.
  CWnd* ChildWindowFromPoint(CPoint point, UINT flags = CWP_ALL) const;
  // Places, sizes, shows or hides the window in one step (SWP_* flags);
  // insertAfter (null for no change) puts it above or below siblings.
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  void CenterWindow(CWnd* alternateOwner = nullptr);
  CWnd* GetTopLevelParent() const;
  CWnd* SetFocus();
  static CWnd* GetFocus();
  // The mouse capture: every mouse message goes to the holder until it
  // releases it. A window of another top-level window that is shown or
  // activated, or a press that lands in another top-level window, ends the
  // capture: the holder gets WM_CANCELMODE (OnCancelMode) and loses it, and
  // the press goes to the window it landed on.
  CWnd* SetCapture();
  static BOOL ReleaseCapture();
  static CWnd* GetCapture();
  // The window the operator sees at a screen point (the topmost top-level
  // window there, then its child at the point); null when none of the
  // program's windows is there.
  static CWnd* WindowFromPoint(CPoint screenPoint);
  void SetForegroundWindow();
  void BringWindowToTop();
  BOOL IsIconic() const;
  BOOL IsZoomed() const;

  // ---- Dialog items -------------------------------------------------------------
  void SetDlgItemText(int id, const std::string& text);
  std::string GetDlgItemText(int id) const;
  void SetDlgItemInt(int id, int value, BOOL isSigned = TRUE);
  // The item's text as a decimal number; *translated (when given) tells
  // whether the whole text was one.
  int GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
  void CheckDlgButton(int id, UINT check);
  UINT IsDlgButtonChecked(int id) const;
  // Checks checkId and clears the other buttons from firstId to lastId.
  void CheckRadioButton(int firstId, int lastId, int checkId);
  int GetCheckedRadioButton(int firstId, int lastId) const;
  // Takes the place of the child with the id: this object's window is made
  // with that child's style, rectangle, text, font and position among its
  // siblings, and the old child is destroyed. For binding a member control
  // (DDX_Control) to a control made from a dialog template.
  BOOL SubclassDlgItem(UINT id, CWnd* parent);

  // ---- Window scroll bars (WS_HSCROLL / WS_VSCROLL; bar = SB_HORZ or SB_VERT) --------
  // The bars do not move by themselves: a click or drag reaches OnHScroll /
  // OnVScroll (with no scroll-bar object) and the handler sets the position.
  // A bar whose page covers its range is hidden, or shown disabled with
  // SIF_DISABLENOSCROLL; the client area excludes shown bars.
  BOOL SetScrollInfo(int bar, const SCROLLINFO* info, BOOL redraw = TRUE);
  BOOL GetScrollInfo(int bar, SCROLLINFO* info, UINT mask = 0x17) const;
  int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
  int GetScrollPos(int bar) const;
  void SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw = TRUE);
  void GetScrollRange(int bar, int* minPos, int* maxPos) const;
  int GetScrollLimit(int bar) const;  // the largest position (max - page + 1)
  void ShowScrollBar(int bar, BOOL show = TRUE);
  void EnableScrollBarCtrl(int bar, BOOL enable = TRUE);

  // ---- Toolkit access (platform only) -----------------------------------------
  QWidget* GetWidget() const { return m_widget; }
  static CWnd* FromWidget(const QWidget* widget);
  // The kept pixels of a painted window, sized to the widget; null for a
  // toolkit control (which paints itself) or a window not created.
  platform_detail::WndSurface* GetSurface();
  bool UsesSurface() const;
  // Sends a control notification (WM_COMMAND with the code) to the parent,
  // after the control's own OnChildNotify. Controls only.
  void NotifyParent(UINT code);
  // Sends a WM_NOTIFY with the header (hwndFrom, idFrom filled in) to the
  // parent, after the control's own OnChildNotify; returns the answer.
  LRESULT NotifyParent(NMHDR* header);

  HWND m_hWnd = nullptr;

 protected:
  // Called by Create before the window is made; FALSE refuses the creation.
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

  // ---- Message handlers ------------------------------------------------------
  // The base versions do the toolkit's default handling.
  virtual int OnCreate();
  virtual void OnDestroy();
  virtual void OnNcDestroy();
  virtual void PostNcDestroy();  // last call; a self-owned window deletes itself here
  virtual void OnClose();        // default destroys the window
  virtual void OnPaint();
  virtual BOOL OnEraseBkgnd(CDC* dc);
  virtual void OnSize(UINT type, int cx, int cy);
  virtual void OnMove(int x, int y);
  virtual void OnShowWindow(BOOL show, UINT status);
  virtual void OnTimer(UINT_PTR id);
  virtual void OnSetFocus(CWnd* oldWnd);
  virtual void OnKillFocus(CWnd* newWnd);
  virtual void OnMouseMove(UINT flags, CPoint point);
  virtual void OnLButtonDown(UINT flags, CPoint point);
  virtual void OnLButtonUp(UINT flags, CPoint point);
  virtual void OnLButtonDblClk(UINT flags, CPoint point);
  virtual void OnRButtonDown(UINT flags, CPoint point);
  virtual void OnRButtonUp(UINT flags, CPoint point);
  virtual void OnRButtonDblClk(UINT flags, CPoint point);
  virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint);
  virtual void OnKeyDown(UINT virtualKey, UINT repeatCount, UINT flags);
  virtual void OnKeyUp(UINT virtualKey, UINT repeatCount, UINT flags);
  virtual void OnChar(UINT character, UINT repeatCount, UINT flags);
  virtual void OnContextMenu(CWnd* wnd, CPoint screenPoint);
  virtual void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
  virtual void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
  // WM_COMMAND: menu and accelerator commands and control notifications
  // (wParam = MAKEWPARAM(id, code), lParam = the control's handle).
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  // A child control asks the colours to draw with (WM_CTLCOLOR*): set the
  // text and background colours on dc and return a brush for the
  // background, or null for the standard look.
  virtual HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
  // A control sees its own notification (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM)
  // first; TRUE keeps it from the parent.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // The mouse moves over the window: set the cursor (::SetCursor) and return
  // TRUE, or leave the standard arrow.
  virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
  virtual UINT OnGetDlgCode();
  virtual void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
  // WM_CANCELMODE: the capture this window holds is being taken away (see
  // SetCapture); end any press, drag or hover state now, as no button-up
  // will follow. The base releases the capture.
  virtual void OnCancelMode();

  // Makes the toolkit widget of this window; controls override it to make
  // their own kind. The default is a plain widget painted by OnPaint into
  // the window's kept pixels.
  virtual QWidget* CreateNativeWidget(QWidget* parent);
  // The colour the default WM_ERASEBKGND fills with (COLOR_BTNFACE).
  virtual COLORREF GetBackgroundColor() const;
  // Called once the widget and handle exist, before WM_CREATE.
  virtual void OnWidgetCreated() {}

  DWORD m_dwStyle = 0;
  UINT m_nID = 0;

 private:
  friend class platform_detail::WndBridge;
  void ReleaseWindow(bool deleteWidget);
  LRESULT DispatchStandard(UINT message, WPARAM wParam, LPARAM lParam);
  // The toolkit's paint event of a painted window: runs the paint pass for
  // what is invalid, then copies the kept pixels to the screen.
  void PaintFromSurface(QPaintEvent* event);
  void ResizeSurface();

  QWidget* m_widget = nullptr;
  platform_detail::WndBridge* m_bridge = nullptr;
  bool m_defaultReached = false;   // the current message went to Default()
  std::atomic<bool> m_visible{false};
  bool m_destroying = false;
  // While destroying: the depth of the outermost event of this window or a
  // child being delivered, which its toolkit window must outlive.
  size_t m_busyFrame = static_cast<size_t>(-1);
  std::map<UINT_PTR, int> m_timers;  // program timer id -> toolkit timer id
  std::unique_ptr<platform_detail::WndSurface> m_surface;  // painted windows only
  std::unique_ptr<platform_detail::WndScrollBars> m_scrollBars;  // WS_HSCROLL / WS_VSCROLL
  CFont* m_pFont = nullptr;                                   // not owned
  friend struct platform_detail::WndScrollBars;
  platform_detail::WndScrollBars* EnsureScrollBars();
  void LayoutScrollBars();
  CSize ScrollBarExtents() const;  // widths of the shown vertical and horizontal bars
};
