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
class CScrollBar;
class QPaintEvent;

struct HWND__;
using HWND = HWND__*;

namespace platform_detail {
class WndBridge;
struct WndSurface;
}

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
  virtual BOOL DestroyWindow();

  HWND GetSafeHwnd() const { return m_hWnd; }
  // The window object of a live handle; null when gone. User-interface thread.
  static CWnd* FromHandle(HWND hWnd);
  // True while the handle's window exists. Any thread.
  static bool IsWindow(HWND hWnd);
  bool IsWindowCreated() const { return IsWindow(m_hWnd); }

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
  CWnd* SetFocus();
  static CWnd* GetFocus();
  CWnd* SetCapture();
  static BOOL ReleaseCapture();
  static CWnd* GetCapture();
  void SetForegroundWindow();
  void BringWindowToTop();
  BOOL IsIconic() const;
  BOOL IsZoomed() const;

  // ---- Toolkit access (platform only) -----------------------------------------
  QWidget* GetWidget() const { return m_widget; }
  static CWnd* FromWidget(const QWidget* widget);
  // The kept pixels of a painted window, sized to the widget; null for a
  // toolkit control (which paints itself) or a window not created.
  platform_detail::WndSurface* GetSurface();
  bool UsesSurface() const;

  HWND m_hWnd = nullptr;

 protected:
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
  std::map<UINT_PTR, int> m_timers;  // program timer id -> toolkit timer id
  std::unique_ptr<platform_detail::WndSurface> m_surface;  // painted windows only
  CFont* m_pFont = nullptr;                                   // not owned
};
