#include "platform/Seams.h"

#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHideEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <mutex>
#include <thread>

#include "platform/SessionEnd.h"
#include "platform/Thread.h"
#include "platform/WndActivation.h"
#include "platform/WndBridge.h"
#include "platform/ui/DialogOwner.h"
#include "platform/ui/SplashScreen.h"

namespace {

std::mutex g_seamMutex;
MessageBoxHandler g_messageBoxHandler;
KeyStateHandler g_keyStateHandler;
const ClockHandler* g_clockHandler = nullptr;
const ClipboardHandler* g_clipboardHandler = nullptr;
ExitHandler g_exitHandler;
std::string g_caption = "VekFrame";
std::map<int, std::function<void()>> g_flushHooks;
int g_nextHookId = 1;

std::atomic<bool> g_quitPending{false};
std::atomic<int> g_quitCode{0};
std::atomic<bool> g_loopRunning{false};

template <typename T>
T Get(const T& value) {
  std::lock_guard<std::mutex> lock(g_seamMutex);
  return value;
}

// A box that hands the activation back to its owner (else the program's
// shown window) as it closes, as a dialog does: where no window manager
// moves the keyboard, the program's keys would otherwise reach nothing
// until the operator clicks. Done once the box is hidden: while a modal
// box is shown its owner takes no activation.
class OwnedMessageBox final : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void hideEvent(QHideEvent* event) override {
    QMessageBox::hideEvent(event);
    if (!event->spontaneous()) platform_detail::HandOverActivation(this);
  }
};

int ShowRealMessageBox(const MessageBoxRequest& request) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
    return IDCANCEL;
  }
  platform_detail::InstallWindowGuard();  // keeps the box in reach while it is up
  // Owned by the window it speaks for (the active window, else the shown
  // main window), as a dialog without a parent is: it stays with that
  // window. Made on the heap: the owner may be destroyed while the box is
  // open, and takes the box with it.
  QPointer<QMessageBox> owned = new OwnedMessageBox(platform_detail::DialogOwnerWindow(nullptr, nullptr));
  QMessageBox& box = *owned;
  box.setWindowTitle(QString::fromStdString(request.caption));
  box.setText(QString::fromStdString(request.text));
  switch (request.flags & MB_ICONMASK) {
    case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
  }
  struct Button {
    QMessageBox::StandardButton button;
    int id;
  };
  std::vector<Button> buttons;
  switch (request.flags & MB_TYPEMASK) {
    case MB_OKCANCEL: buttons = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_ABORTRETRYIGNORE:
      buttons = {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
      break;
    case MB_YESNOCANCEL:
      buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
      break;
    case MB_YESNO: buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case MB_RETRYCANCEL: buttons = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
    default: buttons = {{QMessageBox::Ok, IDOK}}; break;
  }
  QMessageBox::StandardButtons set;
  for (const Button& b : buttons) set |= b.button;
  box.setStandardButtons(set);
  size_t defaultIndex = (request.flags >> 8) & 0x3;
  if (defaultIndex < buttons.size()) box.setDefaultButton(buttons[defaultIndex].button);
  // A title and a close box only, as the system's boxes have: a box
  // minimised on its own would leave the program blocked with nothing to see.
  Qt::WindowFlags frame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (request.flags & (MB_SYSTEMMODAL | MB_TOPMOST)) frame |= Qt::WindowStaysOnTopHint;
  box.setWindowFlags(frame);
  // The splash stays above every window: it steps aside while the box is
  // up, so a box during start-up (why the program does not start) is seen.
  const CSplashScreen::StepAside splashAside;
  int pressed = 0;
  {
    // Answered as its close box when the window whose handler asks goes.
    const platform_detail::NestedLoopScope nested([owned] {
      if (owned) owned->reject();
    });
    pressed = box.exec();
  }
  delete owned.data();  // nothing when its owner took it along
  for (const Button& b : buttons)
    if (b.button == pressed) return b.id;
  // Closed by the window manager: the last button (Cancel, No or OK).
  return buttons.back().id;
}

bool RealKeyHeld(int virtualKey) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
  bool held = false;
  auto query = [&] {
    Qt::KeyboardModifiers mods = QGuiApplication::queryKeyboardModifiers();
    Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    switch (virtualKey) {
      case VK_SHIFT: held = mods & Qt::ShiftModifier; break;
      case VK_CONTROL: held = mods & Qt::ControlModifier; break;
      case VK_MENU: held = mods & Qt::AltModifier; break;
      case VK_LBUTTON: held = buttons & Qt::LeftButton; break;
      case VK_RBUTTON: held = buttons & Qt::RightButton; break;
      case VK_MBUTTON: held = buttons & Qt::MiddleButton; break;
      default: held = false;
    }
  };
  if (!BlockingCallOnUiThread(query)) return false;
  return held;
}

std::uint64_t RealTicks() {
  using namespace std::chrono;
  static const steady_clock::time_point start = steady_clock::now() - hours(1);
  return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

DATE RealNow() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  return DateFromParts(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                       local.tm_sec + ms / 1000.0);
}

thread_local unsigned int t_randState = 1;

}  // namespace

// ---- Message boxes -----------------------------------------------------------

int MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  MessageBoxRequest request{text, caption, flags};
  MessageBoxHandler handler = Get(g_messageBoxHandler);
  int answer = IDCANCEL;
  auto show = [&] { answer = handler ? handler(request) : ShowRealMessageBox(request); };
  if (!BlockingCallOnUiThread(show)) return IDCANCEL;
  return answer;
}

int AfxMessageBox(const std::string& text, UINT flags) { return MessageBox(text, GetMessageBoxCaption(), flags); }

void SetMessageBoxCaption(const std::string& caption) {
  std::lock_guard<std::mutex> lock(g_seamMutex);
  g_caption = caption;
}

std::string GetMessageBoxCaption() { return Get(g_caption); }

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  std::lock_guard<std::mutex> lock(g_seamMutex);
  std::swap(g_messageBoxHandler, handler);
  return handler;
}

// ---- Keyboard and mouse -----------------------------------------------------------

std::int16_t GetKeyState(int virtualKey) {
  KeyStateHandler handler = Get(g_keyStateHandler);
  bool held = handler ? handler(virtualKey) : RealKeyHeld(virtualKey);
  return held ? static_cast<std::int16_t>(0x8000) : 0;
}

std::int16_t GetAsyncKeyState(int virtualKey) { return GetKeyState(virtualKey); }

KeyStateHandler SetKeyStateHandler(KeyStateHandler handler) {
  std::lock_guard<std::mutex> lock(g_seamMutex);
  std::swap(g_keyStateHandler, handler);
  return handler;
}

// ---- Clock -------------------------------------------------------------------------

std::uint64_t GetTickCount64() {
  const ClockHandler* clock = Get(g_clockHandler);
  return clock && clock->ticks ? clock->ticks() : RealTicks();
}

DWORD GetTickCount() { return static_cast<DWORD>(GetTickCount64()); }

DATE GetCurrentDateTime() {
  const ClockHandler* clock = Get(g_clockHandler);
  return clock && clock->now ? clock->now() : RealNow();
}

void SetClockHandler(const ClockHandler* handler) {
  std::lock_guard<std::mutex> lock(g_seamMutex);
  g_clockHandler = handler;
}

void Sleep(DWORD ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// ---- Random ----------------------------------------------------------------------------

int VekRand() {
  t_randState = t_randState * 214013u + 2531011u;
  return static_cast<int>((t_randState >> 16) & 0x7FFF);
}

void VekSrand(unsigned int seed) { t_randState = seed; }

// ---- Clipboard --------------------------------------------------------------------------

bool SetClipboardText(const std::string& text) {
  const ClipboardHandler* handler = Get(g_clipboardHandler);
  if (handler && handler->set) return handler->set(text);
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
  bool ok = false;
  BlockingCallOnUiThread([&] {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
      clipboard->setText(QString::fromStdString(text));
      ok = true;
    }
  });
  return ok;
}

std::string GetClipboardText() {
  const ClipboardHandler* handler = Get(g_clipboardHandler);
  if (handler && handler->get) return handler->get();
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return {};
  std::string text;
  BlockingCallOnUiThread([&] {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) text = clipboard->text().toStdString();
  });
  return text;
}

void SetClipboardHandler(const ClipboardHandler* handler) {
  std::lock_guard<std::mutex> lock(g_seamMutex);
  g_clipboardHandler = handler;
}

// ---- Standard error ------------------------------------------------------------------------

void TellOnStderr(const std::string& text) {
  const std::string line = "VekFrame: " + text + "\n";
  [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line.data(), line.size());
}

// ---- Exit and quit -------------------------------------------------------------------------

void ExitProgram(int code) {
  if (DeferExitToSessionEnd(code)) return;
  ForceExitProgram(code);
}

void ForceExitProgram(int code) {
  ExitHandler handler = Get(g_exitHandler);
  if (handler) handler(code);  // a test double throws here
  std::map<int, std::function<void()>> hooks = Get(g_flushHooks);
  for (auto& [id, hook] : hooks) {
    try {
      hook();
    } catch (...) {
      // Ending anyway: a failing flush must not keep the process alive.
    }
  }
  std::fflush(nullptr);
  std::_Exit(code);
}

ExitHandler SetExitHandler(ExitHandler handler) {
  std::lock_guard<std::mutex> lock(g_seamMutex);
  std::swap(g_exitHandler, handler);
  return handler;
}

int AddExitFlushHook(std::function<void()> hook) {
  std::lock_guard<std::mutex> lock(g_seamMutex);
  int id = g_nextHookId++;
  g_flushHooks[id] = std::move(hook);
  return id;
}

void RemoveExitFlushHook(int id) {
  std::lock_guard<std::mutex> lock(g_seamMutex);
  g_flushHooks.erase(id);
}

void PostQuitMessage(int code) {
  g_quitCode = code;
  g_quitPending = true;
  if (g_loopRunning && QCoreApplication::instance())
    PostToUiThread([code] {
      if (QCoreApplication::instance()) QCoreApplication::exit(code);
    });
}

int RunMessageLoop() {
  int code = 0;
  if (TakePendingQuit(&code)) return code;
  if (!QCoreApplication::instance()) return 0;
  g_loopRunning = true;
  // A quit asked between the check above and the flag is caught here.
  if (TakePendingQuit(&code)) {
    g_loopRunning = false;
    return code;
  }
  code = QCoreApplication::exec();
  g_loopRunning = false;
  g_quitPending = false;
  return code;
}

bool TakePendingQuit(int* code) {
  if (!g_quitPending.exchange(false)) return false;
  if (code) *code = g_quitCode;
  return true;
}
