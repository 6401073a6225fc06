#include "platform/Wnd.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QVariant>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <deque>
#include <mutex>
#include <unordered_map>

#include "platform/Thread.h"
#include "platform/WndActivation.h"
#include "platform/WndBridge.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/WndScrollBars.h"
#include "platform/ui/WndSurface.h"

namespace {

// Live windows by handle. Handles are never reused, so a stale handle finds
// nothing. The lock also orders a post against the window's destruction.
std::mutex g_windowsMutex;
std::unordered_map<HWND, CWnd*> g_windows;
std::uintptr_t g_nextHandle = 0x1000;

const char* const kWndProperty = "vekWnd";
const char* const kSurfaceProperty = "vekSurface";

// Posted messages wait in one queue, in the order they were posted, and
// reach their windows through a delivery call queued on the user-interface
// thread; one delivery call serves every message posted before it starts,
// so a burst of posts costs the toolkit one event and one wake-up.
// Messages are taken one at a time, so a handler that runs a nested loop
// (a modal box) still sees the older messages delivered before newer ones.
struct PostedMessage {
  HWND hWnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::mutex g_postedMutex;
std::deque<PostedMessage> g_posted;
bool g_deliveryQueued = false;  // a delivery call is queued and not started

void DeliverPostedMessages() {
  {
    std::lock_guard<std::mutex> lock(g_postedMutex);
    g_deliveryQueued = false;  // posts from now on queue a new delivery
  }
  for (;;) {
    PostedMessage m;
    {
      std::lock_guard<std::mutex> lock(g_postedMutex);
      if (g_posted.empty()) return;
      m = g_posted.front();
      g_posted.pop_front();
    }
    // A window destroyed since the post gets nothing.
    if (CWnd* wnd = CWnd::FromHandle(m.hWnd)) {
      if (m.message == WM_CLOSE && platform_detail::DeferCloseRequest(wnd, false)) continue;
      platform_detail::EventScope scope(wnd->GetWidget());
      wnd->WindowProc(m.message, m.wParam, m.lParam);
    }
  }
}

// The widgets whose events are being delivered, outermost first, and the
// toolkit windows waiting for one of them to return before they are
// deleted. User-interface thread only. The receivers are compared, never
// followed: one may be deleted inside its own event.
constexpr size_t kNotBusy = static_cast<size_t>(-1);
std::vector<const QObject*> g_eventReceivers;
struct PendingDelete {
  QPointer<QWidget> widget;
  size_t frame;  // deleted once the delivery at this depth has returned
};
std::vector<PendingDelete> g_pendingDeletes;

// The depth of the outermost event delivered to the widget or to one of
// its descendants (owned windows included), among the outermost limit
// events; kNotBusy when there is none.
size_t OutermostEventOf(QWidget* widget, size_t limit = kNotBusy) {
  limit = std::min(limit, g_eventReceivers.size());
  if (limit == 0 || widget == nullptr) return kNotBusy;
  QList<QWidget*> tree = widget->findChildren<QWidget*>();
  tree.append(widget);
  for (size_t i = 0; i < limit; ++i)
    for (QWidget* w : tree)
      if (w == g_eventReceivers[i]) return i;
  return kNotBusy;
}

// The nested loops that handlers run, outermost first, each with the
// number of events being delivered when it started: a loop started at
// depth n runs inside the event at depth n - 1 (and every outer one).
struct NestedLoop {
  const platform_detail::NestedLoopScope* scope;
  size_t depth;
  std::function<void()> end;
};
std::vector<NestedLoop> g_nestedLoops;

// Ends, innermost first, every loop started inside the event at the depth.
void EndLoopsStartedInside(size_t frame) {
  std::vector<std::function<void()>> ends;
  for (auto it = g_nestedLoops.rbegin(); it != g_nestedLoops.rend(); ++it)
    if (it->depth > frame) ends.push_back(it->end);
  for (const std::function<void()>& end : ends) end();
}

// Close requests put off until the event at the depth has returned.
struct PendingClose {
  HWND hWnd;
  size_t frame;
};
std::vector<PendingClose> g_pendingCloses;

void PostClosesDueAt(size_t depth) {
  std::vector<HWND> due;
  for (auto it = g_pendingCloses.begin(); it != g_pendingCloses.end();) {
    if (it->frame >= depth) {
      due.push_back(it->hWnd);
      it = g_pendingCloses.erase(it);
    } else {
      ++it;
    }
  }
  for (HWND hWnd : due) CWnd::PostMessage(hWnd, WM_CLOSE);
}

// True when the widget lies in the window's toolkit window or in one of
// the windows it owns.
bool InWindowTree(const QWidget* widget, const QWidget* window) {
  for (; widget; widget = widget->parentWidget())
    if (widget == window) return true;
  return false;
}

// Hidden and out of its parent at once, inert (its signals reach nothing
// of the window that is gone), deleted when the event at that depth returns.
void DeleteAfterEvent(QWidget* widget, size_t frame) {
  widget->hide();
  widget->setParent(nullptr);
  widget->blockSignals(true);
  for (QObject* child : widget->findChildren<QObject*>()) child->blockSignals(true);
  g_pendingDeletes.push_back({widget, frame});
}

void DeleteWidgetsDueAt(size_t depth) {
  std::vector<QPointer<QWidget>> due;
  for (auto it = g_pendingDeletes.begin(); it != g_pendingDeletes.end();) {
    if (it->frame >= depth) {
      due.push_back(it->widget);
      it = g_pendingDeletes.erase(it);
    } else {
      ++it;
    }
  }
  for (const QPointer<QWidget>& w : due) delete w.data();
}

// A window or dialog shown by a command that activates (not a child, a
// tool window, a tip or a popup) becomes the active window, as a newly
// shown window does on the system the program's windows follow; where no
// window manager acts, it would otherwise get no keyboard.
void ActivateIfShownTopLevel(QWidget* widget, int showCommand) {
  if (!widget || !widget->isWindow() || !widget->isVisible()) return;
  const Qt::WindowType type = widget->windowType();
  if (type != Qt::Window && type != Qt::Dialog) return;
  if (showCommand == SW_SHOWNA || showCommand == SW_SHOWNOACTIVATE || showCommand == SW_SHOWMINNOACTIVE ||
      showCommand == SW_SHOWMINIMIZED || showCommand == SW_MINIMIZE || showCommand == SW_HIDE)
    return;
  widget->activateWindow();
}

// The window that takes the activation from a top-level window that ends:
// its nearest shown owner; for a window of its own the toolkit's active
// window; else a shown main window (a dialog owned by a hidden window, such
// as the engine's, belongs to the program's window).
QWidget* VisibleOwnerWindow(QWidget* window) {
  for (QWidget* owner = window->parentWidget(); owner; owner = owner->window()->parentWidget()) {
    if (owner->window()->isVisible()) return owner->window();
  }
  QWidget* active = QApplication::activeWindow();
  if (window->parentWidget() == nullptr && active != nullptr && active != window && active->isVisible() &&
      (active->windowType() == Qt::Window || active->windowType() == Qt::Dialog))
    return active;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top != window && top->isVisible() && top->windowType() == Qt::Window) return top;
  }
  return nullptr;
}

}  // namespace

// A top-level window that is hidden or ends while it has the keyboard hands
// the activation back to the window that owns it, as the system does for
// an owned window; where no window manager acts, nothing else would. The
// toolkit learns of an activation only when the window system reports it,
// so it may not know that the window has the keyboard: it hands over also
// while no window is active, and while the toolkit still counts the heir
// active (a press on the window asked the keyboard for it and a fast click
// ended it before the report came; asked again, an heir that has the
// keyboard keeps it). Done before the window is hidden: the display server
// refuses a focus request dated before the focus it took from a window it
// unmapped (a modal message box hands over once hidden: its owner takes no
// activation while it is up). A window never shown has nothing to hand.
void platform_detail::HandOverActivation(QWidget* window) {
  if (!window || !window->isWindow() || window->windowHandle() == nullptr) return;
  if (window->windowType() != Qt::Window && window->windowType() != Qt::Dialog) return;
  QWidget* heir = VisibleOwnerWindow(window);
  if (heir == nullptr) return;
  const QWidget* active = QApplication::activeWindow();
  if (active != nullptr && active != window && active != heir) return;
  heir->activateWindow();
}

platform_detail::EventScope::EventScope(const QObject* receiver) { g_eventReceivers.push_back(receiver); }

platform_detail::EventScope::~EventScope() {
  g_eventReceivers.pop_back();
  if (!g_pendingDeletes.empty()) DeleteWidgetsDueAt(g_eventReceivers.size());
  if (!g_pendingCloses.empty()) PostClosesDueAt(g_eventReceivers.size());
}

platform_detail::NestedLoopScope::NestedLoopScope(std::function<void()> end) {
  g_nestedLoops.push_back({this, g_eventReceivers.size(), std::move(end)});
}

platform_detail::NestedLoopScope::~NestedLoopScope() {
  g_nestedLoops.erase(std::remove_if(g_nestedLoops.begin(), g_nestedLoops.end(),
                                     [this](const NestedLoop& loop) { return loop.scope == this; }),
                      g_nestedLoops.end());
}

bool platform_detail::DeferCloseRequest(CWnd* wnd, bool closeEventOnTop) {
  QWidget* widget = wnd ? wnd->GetWidget() : nullptr;
  if (widget == nullptr) return false;
  const size_t below = g_eventReceivers.size() - (closeEventOnTop && !g_eventReceivers.empty() ? 1 : 0);
  // The main window takes every window of the program along.
  const bool everyWindow = wnd == AfxGetMainWnd();
  const size_t frame = everyWindow ? (below > 0 ? 0 : kNotBusy) : OutermostEventOf(widget, below);
  if (frame == kNotBusy) return false;
  EndLoopsStartedInside(frame);
  if (QWidget* holder = QWidget::mouseGrabber(); holder && (everyWindow || InWindowTree(holder, widget)))
    CancelCaptureMode();
  const HWND hWnd = wnd->m_hWnd;
  const bool pending = std::any_of(g_pendingCloses.begin(), g_pendingCloses.end(),
                                   [hWnd](const PendingClose& close) { return close.hWnd == hWnd; });
  if (!pending) g_pendingCloses.push_back({hWnd, frame});
  return true;
}


// ---- CWnd --------------------------------------------------------------------

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_widget) {
    // Destroyed as an object: end the window without calling back into the
    // derived parts, which are already gone.
    m_destroying = true;
    ReleaseWindow(true);
  }
}

QWidget* CWnd::CreateNativeWidget(QWidget* parent) {
  auto* widget = new QWidget(parent);
  widget->setMouseTracking(true);
  widget->setFocusPolicy(Qt::ClickFocus);
  // Painted by the window into its kept pixels; the paint event only copies them.
  widget->setProperty(kSurfaceProperty, true);
  widget->setAttribute(Qt::WA_OpaquePaintEvent, true);
  widget->setAttribute(Qt::WA_NoSystemBackground, true);
  return widget;
}

COLORREF CWnd::GetBackgroundColor() const { return GetSysColor(COLOR_BTNFACE); }

bool CWnd::UsesSurface() const {
  return m_widget != nullptr && m_widget->property(kSurfaceProperty).toBool();
}

platform_detail::WndSurface* CWnd::GetSurface() {
  // Made once for a painted window and dropped with its widget; asking
  // the widget's property again on every paint and invalidation costs.
  if (m_surface && m_widget) return m_surface.get();
  if (!UsesSurface()) return nullptr;
  if (!m_surface) {
    m_surface = std::make_unique<platform_detail::WndSurface>();
    ResizeSurface();
  }
  return m_surface.get();
}

void CWnd::ResizeSurface() {
  if (!m_surface || !m_widget) return;
  const QSize size(std::max(1, m_widget->width()), std::max(1, m_widget->height()));
  platform_detail::WndSurface& s = *m_surface;
  if (s.image.size() == size) return;
  // Keep what was drawn; the whole window is painted again anyway.
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(GetRValue(GetBackgroundColor()), GetGValue(GetBackgroundColor()),
                    GetBValue(GetBackgroundColor())));
  if (!s.image.isNull()) {
    QPainter p(&image);
    p.drawImage(0, 0, s.image);
  }
  s.image = image;
  s.invalid = QRegion(0, 0, size.width(), size.height());
  s.erase = true;
}

void CWnd::PaintFromSurface(QPaintEvent* event) {
  platform_detail::WndSurface* s = GetSurface();
  if (!s) return;
  HWND hWnd = m_hWnd;
  if (!s->invalid.isEmpty()) {
    s->inPaintEvent = true;
    WindowProc(WM_PAINT, 0, 0);
    if (!IsWindow(hWnd)) return;  // destroyed by its own handler
    s->inPaintEvent = false;
    // A handler that did not paint leaves nothing to paint next time.
    s->invalid = QRegion();
  }
  QPainter p(m_widget);
  for (const QRect& r : event->region()) p.drawImage(r.topLeft(), s->image, r);
}

BOOL CWnd::Create(const std::string& windowName, DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  if (m_widget) return FALSE;  // already created
  if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || !IsUiThread()) return FALSE;
  QWidget* parentWidget = parent ? parent->m_widget : nullptr;
  CREATESTRUCT cs;
  cs.style = style;
  cs.x = rect.left;
  cs.y = rect.top;
  cs.cx = rect.Width();
  cs.cy = rect.Height();
  cs.lpszName = windowName;
  if (!PreCreateWindow(cs)) return FALSE;
  style = cs.style;
  const CRect created(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy);
  if ((style & WS_CHILD) && !parentWidget) return FALSE;
  m_dwStyle = style;
  m_nID = id;
  // The application's guards of the keyboard and the mouse watch every
  // window (balloons and tips included) from the first one made.
  platform_detail::InstallWindowGuard();
  platform_detail::InstallCaptureGuard();
  m_widget = CreateNativeWidget((style & WS_CHILD) ? parentWidget : nullptr);
  if (!m_widget) return FALSE;
  if (!(style & WS_CHILD) && parentWidget) {
    // An owned top-level window stays with its owner.
    m_widget->setParent(parentWidget, m_widget->windowFlags() | Qt::Window);
  }
  m_widget->setProperty(kWndProperty, QVariant::fromValue(static_cast<void*>(this)));
  m_widget->setWindowTitle(QString::fromStdString(cs.lpszName));
  m_widget->setGeometry(created.left, created.top, std::max(0, created.Width()), std::max(0, created.Height()));
  if (style & WS_DISABLED) m_widget->setEnabled(false);

  m_bridge = new platform_detail::WndBridge(this);
  m_widget->installEventFilter(m_bridge);
  QObject::connect(m_widget, &QObject::destroyed, m_bridge, [this, bridge = m_bridge] {
    // The toolkit removed the widget (its toolkit parent went away).
    if (bridge->Owner() == this) {
      m_widget = nullptr;
      ReleaseWindow(false);
    }
  });
  {
    std::lock_guard<std::mutex> lock(g_windowsMutex);
    m_hWnd = reinterpret_cast<HWND>(g_nextHandle);
    g_nextHandle += 4;
    g_windows[m_hWnd] = this;
  }
  // A painted window gets its window scroll bars; a control of the toolkit
  // (list, combo box, edit) shows its own as needed and gets none extra.
  if ((style & (WS_HSCROLL | WS_VSCROLL)) && UsesSurface()) EnsureScrollBars();
  OnWidgetCreated();
  if (WindowProc(WM_CREATE, 0, 0) == -1) {
    DestroyWindow();
    return FALSE;
  }
  if (style & WS_VISIBLE) {
    m_widget->show();
    m_visible = m_widget->isVisible();
    ActivateIfShownTopLevel(m_widget, SW_SHOW);
  } else {
    // A child without WS_VISIBLE stays hidden when its parent is shown.
    m_widget->hide();
  }
  return TRUE;
}

BOOL CWnd::CreateEx(DWORD, const std::string& windowName, DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return Create(windowName, style, rect, parent, id);
}

BOOL CWnd::DestroyWindow() {
  if (!m_widget || m_destroying) return FALSE;
  m_destroying = true;
  // Asked before the children go: an event of a child (a key passed on to
  // this window) keeps this window's toolkit window alive too.
  m_busyFrame = OutermostEventOf(m_widget);
  // A handler of this window (or of a child) inside a loop of its own gets
  // its loops ended, so it returns once the window has gone.
  if (m_busyFrame != kNotBusy) EndLoopsStartedInside(m_busyFrame);
  platform_detail::HandOverActivation(m_widget);
  WindowProc(WM_DESTROY, 0, 0);
  for (CWnd* child : GetChildren()) child->DestroyWindow();
  ReleaseWindow(true);
  WindowProc(WM_NCDESTROY, 0, 0);
  m_destroying = false;
  PostNcDestroy();  // may delete this
  return TRUE;
}

void CWnd::ReleaseWindow(bool deleteWidget) {
  {
    std::lock_guard<std::mutex> lock(g_windowsMutex);
    if (m_hWnd) g_windows.erase(m_hWnd);
  }
  m_hWnd = nullptr;
  m_visible = false;
  if (m_bridge) {
    for (const auto& [id, qtId] : m_timers) m_bridge->killTimer(qtId);
    if (m_widget) m_widget->removeEventFilter(m_bridge);
    m_bridge->Release();
    m_bridge = nullptr;
  }
  m_timers.clear();
  m_surface.reset();
  m_scrollBars.reset();
  QWidget* widget = m_widget;
  m_widget = nullptr;
  const size_t busyFrame = std::min(m_busyFrame, OutermostEventOf(widget));
  m_busyFrame = kNotBusy;
  if (widget) {
    // A capture held in the window ends with it: the toolkit would
    // otherwise keep giving the mouse to the hidden widget.
    if (QWidget* holder = QWidget::mouseGrabber(); holder && (holder == widget || widget->isAncestorOf(holder)))
      holder->releaseMouse();
    widget->setProperty(kWndProperty, QVariant());
    if (!deleteWidget) return;
    if (busyFrame == kNotBusy) delete widget;
    else DeleteAfterEvent(widget, busyFrame);
  }
}

CWnd* CWnd::GetDesktopWindow() {
  static CWnd desktop;
  return &desktop;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  std::lock_guard<std::mutex> lock(g_windowsMutex);
  auto it = g_windows.find(hWnd);
  return it == g_windows.end() ? nullptr : it->second;
}

bool CWnd::IsWindow(HWND hWnd) {
  if (!hWnd) return false;
  std::lock_guard<std::mutex> lock(g_windowsMutex);
  return g_windows.count(hWnd) != 0;
}

CWnd* CWnd::FromWidget(const QWidget* widget) {
  if (!widget) return nullptr;
  QVariant v = widget->property(kWndProperty);
  return v.isValid() ? static_cast<CWnd*>(v.value<void*>()) : nullptr;
}

// ---- Messages -----------------------------------------------------------------

BOOL CWnd::PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  {
    std::lock_guard<std::mutex> lock(g_windowsMutex);
    auto it = g_windows.find(hWnd);
    if (it == g_windows.end() || !it->second->m_bridge) return FALSE;
  }
  bool queueDelivery;
  {
    std::lock_guard<std::mutex> lock(g_postedMutex);
    g_posted.push_back({hWnd, message, wParam, lParam});
    queueDelivery = !g_deliveryQueued;
    g_deliveryQueued = true;
  }
  if (queueDelivery) PostToUiThread(DeliverPostedMessages);
  return TRUE;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsUiThread()) {
    CWnd* wnd = FromHandle(hWnd);
    return wnd ? wnd->WindowProc(message, wParam, lParam) : 0;
  }
  LRESULT result = 0;
  BlockingCallOnUiThread([&] {
    if (CWnd* wnd = FromHandle(hWnd)) result = wnd->WindowProc(message, wParam, lParam);
  });
  return result;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  m_defaultReached = true;
  return 0;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DispatchStandard(message, wParam, lParam);
}

LRESULT CWnd::DispatchStandard(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate();
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_NCDESTROY: OnNcDestroy(); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return OnEraseBkgnd(reinterpret_cast<CDC*>(wParam));
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
             HIWORD(static_cast<std::uintptr_t>(lParam)));
      return 0;
    case WM_MOVE: {
      CPoint p = platform_detail::PointFromParam(lParam);
      OnMove(p.x, p.y);
      return 0;
    }
    case WM_SHOWWINDOW: OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)); return 0;
    case WM_TIMER: OnTimer(static_cast<UINT_PTR>(wParam)); return 0;
    case WM_SETFOCUS: OnSetFocus(nullptr); return 0;
    case WM_KILLFOCUS: OnKillFocus(nullptr); return 0;
    case WM_MOUSEMOVE: OnMouseMove(static_cast<UINT>(wParam), platform_detail::PointFromParam(lParam)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wParam), platform_detail::PointFromParam(lParam)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(static_cast<UINT>(wParam), platform_detail::PointFromParam(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(static_cast<UINT>(wParam), platform_detail::PointFromParam(lParam)); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(static_cast<UINT>(wParam), platform_detail::PointFromParam(lParam)); return 0;
    case WM_RBUTTONUP: OnRButtonUp(static_cast<UINT>(wParam), platform_detail::PointFromParam(lParam)); return 0;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(static_cast<UINT>(wParam), platform_detail::PointFromParam(lParam)); return 0;
    case WM_MOUSEWHEEL:
      return OnMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), platform_detail::PointFromParam(lParam));
    case WM_KEYDOWN: OnKeyDown(static_cast<UINT>(wParam), static_cast<UINT>(lParam), 0); return 0;
    case WM_KEYUP: OnKeyUp(static_cast<UINT>(wParam), static_cast<UINT>(lParam), 0); return 0;
    case WM_CHAR: OnChar(static_cast<UINT>(wParam), static_cast<UINT>(lParam), 0); return 0;
    case WM_CONTEXTMENU: OnContextMenu(this, platform_detail::PointFromParam(lParam)); return 0;
    case WM_HSCROLL:
      OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CScrollBar*>(lParam));
      return 0;
    case WM_VSCROLL:
      OnVScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CScrollBar*>(lParam));
      return 0;
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<CDC*>(wParam),
                                                  FromHandle(reinterpret_cast<HWND>(lParam)),
                                                  message - WM_CTLCOLORMSGBOX));
    case WM_SETCURSOR:
      return OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(static_cast<std::uintptr_t>(lParam)),
                         HIWORD(static_cast<std::uintptr_t>(lParam)));
    case WM_GETDLGCODE: return OnGetDlgCode();
    case WM_CANCELMODE: OnCancelMode(); return 0;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<CMenu*>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                      HIWORD(static_cast<std::uintptr_t>(lParam)));
      return 0;
    case WM_NOTIFY: {
      LRESULT result = 0;
      OnNotify(wParam, lParam, &result);
      return result;
    }
    default: return Default();
  }
}

// ---- Default handlers ------------------------------------------------------------

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }
int CWnd::OnCreate() { return 0; }
void CWnd::OnDestroy() {}
void CWnd::OnNcDestroy() {}
void CWnd::PostNcDestroy() {}
void CWnd::OnClose() { DestroyWindow(); }
void CWnd::OnPaint() {
  if (UsesSurface()) {
    CPaintDC dc(this);  // erases and validates
  } else {
    Default();
  }
}
BOOL CWnd::OnEraseBkgnd(CDC* dc) {
  if (!UsesSurface() || dc == nullptr) {
    Default();
    return FALSE;
  }
  CRect box;
  dc->GetClipBox(&box);
  dc->FillSolidRect(box, GetBackgroundColor());
  return TRUE;
}
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { Default(); return FALSE; }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
BOOL CWnd::OnCommand(WPARAM, LPARAM) { Default(); return FALSE; }
BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) { Default(); return FALSE; }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return nullptr; }
BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { Default(); return FALSE; }
UINT CWnd::OnGetDlgCode() { return 0; }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnCancelMode() {
  if (GetCapture() == this) ReleaseCapture();
}

void CWnd::NotifyParent(UINT code) {
  const WPARAM wParam = MAKEWPARAM(static_cast<int>(m_nID), static_cast<int>(code));
  const LPARAM lParam = reinterpret_cast<LPARAM>(m_hWnd);
  HWND self = m_hWnd;
  if (OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return;
  if (!IsWindow(self)) return;
  if (CWnd* parent = GetParent()) parent->SendMessage(WM_COMMAND, wParam, lParam);
}

LRESULT CWnd::NotifyParent(NMHDR* header) {
  header->hwndFrom = m_hWnd;
  header->idFrom = m_nID;
  LRESULT result = 0;
  if (OnChildNotify(WM_NOTIFY, m_nID, reinterpret_cast<LPARAM>(header), &result)) return result;
  CWnd* parent = GetParent();
  return parent ? parent->SendMessage(WM_NOTIFY, m_nID, reinterpret_cast<LPARAM>(header)) : 0;
}

// ---- Timers ------------------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs) {
  HWND hWnd = m_hWnd;
  if (!IsWindow(hWnd)) return 0;
  auto start = [hWnd, id, elapseMs] {
    CWnd* wnd = FromHandle(hWnd);
    if (!wnd || !wnd->m_bridge) return;
    auto it = wnd->m_timers.find(id);
    if (it != wnd->m_timers.end()) wnd->m_bridge->killTimer(it->second);
    wnd->m_timers[id] = wnd->m_bridge->startTimer(static_cast<int>(std::max<UINT>(elapseMs, 1)));
  };
  if (IsUiThread()) start();
  else PostToUiThread(start);
  return id;
}

BOOL CWnd::KillTimer(UINT_PTR id) {
  HWND hWnd = m_hWnd;
  if (!IsWindow(hWnd)) return FALSE;
  auto stop = [hWnd, id] {
    CWnd* wnd = FromHandle(hWnd);
    if (!wnd || !wnd->m_bridge) return false;
    auto it = wnd->m_timers.find(id);
    if (it == wnd->m_timers.end()) return false;
    wnd->m_bridge->killTimer(it->second);
    wnd->m_timers.erase(it);
    return true;
  };
  if (IsUiThread()) return stop() ? TRUE : FALSE;
  PostToUiThread([stop] { stop(); });
  return TRUE;
}

// ---- Painting -------------------------------------------------------------------------

void CWnd::Invalidate(BOOL erase) { InvalidateRect(nullptr, erase); }

void CWnd::InvalidateRect(const CRect* rect, BOOL erase) {
  HWND hWnd = m_hWnd;
  const bool whole = rect == nullptr;
  const CRect r = whole ? CRect() : *rect;
  auto update = [hWnd, whole, r, erase] {
    CWnd* wnd = FromHandle(hWnd);
    if (!wnd || !wnd->m_widget) return;
    const QRect area = whole ? wnd->m_widget->rect() : QRect(r.left, r.top, r.Width(), r.Height());
    if (platform_detail::WndSurface* s = wnd->GetSurface()) {
      s->invalid += area.intersected(QRect(QPoint(0, 0), s->image.size()));
      if (erase) s->erase = true;
    }
    wnd->m_widget->update(area);
  };
  if (IsUiThread()) update();
  else PostToUiThread(update);
}

void CWnd::ValidateRect(const CRect* rect) {
  if (platform_detail::WndSurface* s = GetSurface()) {
    if (rect) s->invalid -= QRect(rect->left, rect->top, rect->Width(), rect->Height());
    else s->invalid = QRegion();
  }
}

BOOL CWnd::GetUpdateRect(CRect* rect, BOOL) {
  platform_detail::WndSurface* s = GetSurface();
  if (!s || s->invalid.isEmpty()) {
    if (rect) *rect = CRect();
    return FALSE;
  }
  const QRect b = s->invalid.boundingRect();
  if (rect) *rect = CRect(b.left(), b.top(), b.left() + b.width(), b.top() + b.height());
  return TRUE;
}

void CWnd::UpdateWindow() {
  if (!m_widget) return;
  platform_detail::WndSurface* s = GetSurface();
  if (!s) {
    m_widget->repaint();
    return;
  }
  if (s->invalid.isEmpty()) return;
  const QRect area = s->invalid.boundingRect();
  HWND hWnd = m_hWnd;
  WindowProc(WM_PAINT, 0, 0);
  if (!IsWindow(hWnd)) return;
  s->invalid = QRegion();
  m_widget->update(area);
}

void CWnd::RedrawWindow() {
  Invalidate(TRUE);
  UpdateWindow();
}

void CWnd::ScrollWindow(int dx, int dy, const CRect* rect, const CRect* clip) {
  if (!m_widget) return;
  platform_detail::WndSurface* s = GetSurface();
  if (!s) {
    m_widget->scroll(dx, dy);
    return;
  }
  // Without a rectangle the client area scrolls: the pixels under shown
  // window scroll bars were never painted and must not move into view.
  CRect client;
  GetClientRect(&client);
  CRect update;
  {
    CClientDC dc(this);
    dc.ScrollDC(dx, dy, rect ? rect : &client, clip ? clip : (rect ? nullptr : &client), &update);
  }
  // The area the move uncovered, and what was waiting to be painted, moved along.
  QRegion moved = s->invalid.translated(dx, dy);
  s->invalid = moved;
  if (!update.IsRectEmpty()) InvalidateRect(&update, TRUE);
  if (!rect) {
    for (CWnd* child : GetChildren()) {
      QWidget* w = child->m_widget;
      w->move(w->x() + dx, w->y() + dy);
    }
  }
  m_widget->update();
}

CDC* CWnd::GetDC() { return new CClientDC(this); }

int CWnd::ReleaseDC(CDC* dc) {
  delete dc;
  return dc ? 1 : 0;
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
  m_pFont = font;
  if (m_widget && font) m_widget->setFont(font->GetQFont());
  if (redraw) Invalidate();
}

CFont* CWnd::GetFont() const { return m_pFont; }

// ---- Geometry ---------------------------------------------------------------------------

void CWnd::GetClientRect(CRect* rect) const {
  if (!rect) return;
  *rect = m_widget ? CRect(0, 0, m_widget->width(), m_widget->height()) : CRect();
  if (m_widget) {
    // Shown window scroll bars lie outside the client area.
    CSize bars = ScrollBarExtents();
    rect->right = std::max(0, rect->right - bars.cx);
    rect->bottom = std::max(0, rect->bottom - bars.cy);
  }
}

void CWnd::GetWindowRect(CRect* rect) const {
  if (!rect) return;
  if (!m_widget) {
    *rect = CRect();
    return;
  }
  QPoint p = m_widget->mapToGlobal(QPoint(0, 0));
  *rect = CRect(p.x(), p.y(), p.x() + m_widget->width(), p.y() + m_widget->height());
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL) {
  if (m_widget) m_widget->setGeometry(x, y, std::max(0, width), std::max(0, height));
}

void CWnd::MoveWindow(const CRect& rect, BOOL repaint) {
  MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint);
}

void CWnd::ScreenToClient(CPoint* point) const {
  if (!point || !m_widget) return;
  QPoint p = m_widget->mapFromGlobal(QPoint(point->x, point->y));
  *point = CPoint(p.x(), p.y());
}

// The client area is only moved against the screen, so a rectangle maps
// by the client origin's offset.
void CWnd::ScreenToClient(CRect* rect) const {
  if (!rect) return;
  CPoint origin;
  ClientToScreen(&origin);
  rect->OffsetRect(-origin.x, -origin.y);
}

void CWnd::ClientToScreen(CPoint* point) const {
  if (!point || !m_widget) return;
  QPoint p = m_widget->mapToGlobal(QPoint(point->x, point->y));
  *point = CPoint(p.x(), p.y());
}

void CWnd::ClientToScreen(CRect* rect) const {
  if (!rect) return;
  CPoint origin;
  ClientToScreen(&origin);
  rect->OffsetRect(origin);
}

// ---- State ----------------------------------------------------------------------------------

BOOL CWnd::ShowWindow(int showCommand) {
  if (!m_widget) return FALSE;
  BOOL wasVisible = m_widget->isVisible();
  const bool activates = showCommand != SW_SHOWNA && showCommand != SW_SHOWNOACTIVATE &&
                         showCommand != SW_SHOWMINNOACTIVE;
  if (m_widget->isWindow()) m_widget->setAttribute(Qt::WA_ShowWithoutActivating, !activates);
  switch (showCommand) {
    case SW_HIDE:
      if (wasVisible) platform_detail::HandOverActivation(m_widget);
      m_widget->hide();
      break;
    case SW_SHOWMAXIMIZED: platform_detail::ShowMaximized(m_widget); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE: m_widget->showMinimized(); break;
    case SW_RESTORE: m_widget->showNormal(); break;
    default: m_widget->show(); break;
  }
  m_visible = m_widget && m_widget->isVisible();
  if (!wasVisible) ActivateIfShownTopLevel(m_widget, showCommand);
  if (showCommand == SW_HIDE) m_dwStyle &= ~WS_VISIBLE;
  else m_dwStyle |= WS_VISIBLE;
  return wasVisible;
}

BOOL CWnd::IsWindowVisible() const { return m_visible.load() ? TRUE : FALSE; }

BOOL CWnd::EnableWindow(BOOL enable) {
  if (!m_widget) return FALSE;
  BOOL wasDisabled = !m_widget->isEnabled();
  m_widget->setEnabled(enable != FALSE);
  if (enable) m_dwStyle &= ~WS_DISABLED;
  else m_dwStyle |= WS_DISABLED;
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_widget && m_widget->isEnabled(); }

void CWnd::SetWindowText(const std::string& text) {
  if (m_widget) m_widget->setWindowTitle(QString::fromStdString(text));
}

std::string CWnd::GetWindowText() const {
  return m_widget ? m_widget->windowTitle().toStdString() : std::string();
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
  DWORD old = m_dwStyle;
  m_dwStyle = (m_dwStyle & ~remove) | add;
  if (m_widget && ((old ^ m_dwStyle) & WS_DISABLED)) m_widget->setEnabled(!(m_dwStyle & WS_DISABLED));
  return old != m_dwStyle;
}

CWnd* CWnd::GetParent() const {
  if (!m_widget) return nullptr;
  return FromWidget(m_widget->parentWidget());
}

std::vector<CWnd*> CWnd::GetChildren() const {
  std::vector<CWnd*> children;
  if (!m_widget) return children;
  for (QObject* obj : m_widget->children()) {
    auto* w = qobject_cast<QWidget*>(obj);
    if (CWnd* wnd = FromWidget(w)) children.push_back(wnd);
  }
  return children;
}

CWnd* CWnd::GetDlgItem(int id) const {
  for (CWnd* child : GetChildren())
    if (child->GetDlgCtrlID() == id) return child;
  return nullptr;
}

CWnd* CWnd::ChildWindowFromPoint(CPoint point, UINT flags) const {
  if (!m_widget) return nullptr;
  if (!CRect(0, 0, m_widget->width(), m_widget->height()).PtInRect(point)) return nullptr;
  // The topmost child first: later children lie above earlier ones.
  std::vector<CWnd*> children = GetChildren();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    CWnd* child = *it;
    QWidget* w = child->m_widget;
    if ((flags & CWP_SKIPINVISIBLE) && !w->isVisibleTo(m_widget)) continue;
    if ((flags & CWP_SKIPDISABLED) && !w->isEnabled()) continue;
    if (w->geometry().contains(QPoint(point.x, point.y))) return child;
  }
  return const_cast<CWnd*>(this);
}

CWnd* CWnd::SetFocus() {
  CWnd* old = GetFocus();
  if (m_widget) {
    // Focus within a window that is not active makes it active, as the focus goes with it.
    QWidget* top = m_widget->window();
    if (top->isVisible() && QApplication::activeWindow() != top) {
      top->activateWindow();
      QApplication::setActiveWindow(top);  // at once, not when the window system answers
    }
    m_widget->setFocus(Qt::OtherFocusReason);
  }
  return old;
}

CWnd* CWnd::GetFocus() {
  QWidget* focus = QApplication::focusWidget();
  if (!focus) {
    if (QWidget* active = QApplication::activeWindow()) focus = active->focusWidget();
  }
  // A control's inner toolkit widget (a combo box's edit) stands for the control.
  while (focus && !FromWidget(focus)) focus = focus->parentWidget();
  return FromWidget(focus);
}

CWnd* CWnd::SetCapture() {
  CWnd* old = GetCapture();
  if (m_widget) m_widget->grabMouse();
  return old;
}

BOOL CWnd::ReleaseCapture() {
  if (QWidget* w = QWidget::mouseGrabber()) {
    w->releaseMouse();
    return TRUE;
  }
  return FALSE;
}

CWnd* CWnd::GetCapture() { return FromWidget(QWidget::mouseGrabber()); }

CWnd* CWnd::WindowFromPoint(CPoint screenPoint) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
  // A control's inner toolkit widget (a list's viewport) stands for the control.
  for (QWidget* w = QApplication::widgetAt(QPoint(screenPoint.x, screenPoint.y)); w; w = w->parentWidget()) {
    if (CWnd* wnd = FromWidget(w)) return wnd;
    if (w->isWindow()) break;
  }
  return nullptr;
}

void CWnd::SetForegroundWindow() {
  if (m_widget) {
    m_widget->window()->raise();
    m_widget->window()->activateWindow();
  }
}

void CWnd::BringWindowToTop() {
  if (m_widget) m_widget->raise();
}

BOOL CWnd::IsIconic() const { return m_widget && m_widget->isMinimized(); }
BOOL CWnd::IsZoomed() const { return m_widget && m_widget->isMaximized(); }
