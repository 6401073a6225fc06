// The seams through which the program reaches the outside world: message
// boxes, the keyboard and mouse state, the clock, the random generator,
// the clipboard, program exit and the quit request. Each has a real
// implementation and can be replaced by a test double (tests/support).
// Every function here may be called from any thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Variant.h"
#include "platform/WinTypes.h"

// ---- Message boxes ---------------------------------------------------------
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONSTOP = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_ICONASTERISK = 0x40;
constexpr UINT MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFBUTTON1 = 0x000;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_APPLMODAL = 0x0000;
constexpr UINT MB_SYSTEMMODAL = 0x1000;
constexpr UINT MB_TASKMODAL = 0x2000;
constexpr UINT MB_TOPMOST = 0x40000;
constexpr UINT MB_SETFOREGROUND = 0x10000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  UINT flags = 0;
};
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Shows a modal box and returns the button pressed (IDOK, IDYES, ...).
// Always shown on the user-interface thread; a worker waits for the answer
// (IDCANCEL when the user-interface thread is gone or the thread is stopped).
int MessageBox(const std::string& text, const std::string& caption, UINT flags);
// The same with the application's title as the caption.
int AfxMessageBox(const std::string& text, UINT flags = MB_OK);
void SetMessageBoxCaption(const std::string& caption);
std::string GetMessageBoxCaption();
// Replaces the real box; null restores it. Returns the previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// ---- Keyboard and mouse state ---------------------------------------------
constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_MBUTTON = 0x04;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;

// The state of a key or mouse button: the high bit (0x8000) when held.
std::int16_t GetKeyState(int virtualKey);
std::int16_t GetAsyncKeyState(int virtualKey);
// Test double: a function answering whether a key is held; null restores.
using KeyStateHandler = std::function<bool(int virtualKey)>;
KeyStateHandler SetKeyStateHandler(KeyStateHandler handler);

// ---- Clock -----------------------------------------------------------------
// Milliseconds since an arbitrary start, never going back.
std::uint64_t GetTickCount64();
DWORD GetTickCount();
// The local date and time now, as an automation date.
DATE GetCurrentDateTime();
// Test double: a clock the test sets and moves. Null restores the real one.
struct ClockHandler {
  std::function<std::uint64_t()> ticks;
  std::function<DATE()> now;
};
void SetClockHandler(const ClockHandler* handler);
// Sleeps the calling thread (real time; not part of the clock seam).
void Sleep(DWORD ms);

// ---- Random generator ------------------------------------------------------
// The classic linear congruential generator: state = state * 214013 +
// 2531011, result (state >> 16) & 0x7FFF, seed 1, one state per thread, so
// the Demo simulation repeats the same walk on every run.
constexpr int RAND_MAX_VALUE = 0x7FFF;
int VekRand();
void VekSrand(unsigned int seed);

// ---- Clipboard -------------------------------------------------------------
bool SetClipboardText(const std::string& text);
std::string GetClipboardText();
struct ClipboardHandler {
  std::function<bool(const std::string&)> set;
  std::function<std::string()> get;
};
void SetClipboardHandler(const ClipboardHandler* handler);

// ---- Standard error ----------------------------------------------------------
// Writes "VekFrame: <text>" as one line to stderr in one write. A write
// that fails (nothing reads stderr any more, or it is closed) is a failed
// write and nothing more. Any thread.
void TellOnStderr(const std::string& text);

// ---- Program exit and quit -------------------------------------------------
// An exit code reaches the parent process modulo 256 (a wait status holds
// eight bits of it): 321 arrives as 65.
//
// The program's own request to end with the code (a configuration error's
// box answered Cancel): runs the registered flush hooks (the log) and ends
// the process at once, from any thread. While the session ends
// (platform/SessionEnd.h) it ends nothing: the request is logged and the
// call returns, so the caller goes on as after its box's close answer
// (doing nothing more that the box was asking about), and the session
// end's orderly exit ends the process with 0. Callers leave that rule to
// this one place. Not [[noreturn]] for that reason: a box met inside the
// orderly exit itself (the engine's shut-down) must hand control back so
// the exit can finish; it can neither be started again from there nor be
// unwound by an exception through the toolkit's frames.
void ExitProgram(int code);
// Ends the process with the code whatever the session does: the exit
// watchdog's end of a program that hangs while it closes.
[[noreturn]] void ForceExitProgram(int code);
// Both end through the exit handler; a test double throws there.
using ExitHandler = std::function<void(int code)>;
ExitHandler SetExitHandler(ExitHandler handler);
// Hooks run before the process ends (flush the log). Returns an id.
int AddExitFlushHook(std::function<void()> hook);
void RemoveExitFlushHook(int id);

// Asks the event loop to end with the code. Works before the loop has
// started: RunMessageLoop then returns the code at once.
void PostQuitMessage(int code);
// Runs the event loop of the user-interface thread until a quit request;
// returns its code.
int RunMessageLoop();
// A pending quit request, cleared (for tests and start-up code).
bool TakePendingQuit(int* code);
