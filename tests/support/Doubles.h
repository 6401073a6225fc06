// Test doubles for the platform's seams. Each installs itself on
// construction and restores the previous behaviour on destruction.
// The shared test main already installs quiet defaults: every message box
// is answered IDOK and recorded, and ExitProgram throws ExitCalled.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/Seams.h"
#include "platform/ui/Dialog.h"

namespace testing_support {

// Thrown by ExitProgram under test.
struct ExitCalled {
  int code;
};

// Answers boxes from a script (then the default answer) and records them.
class MessageBoxDouble {
 public:
  explicit MessageBoxDouble(int defaultAnswer = IDOK);
  ~MessageBoxDouble();
  MessageBoxDouble(const MessageBoxDouble&) = delete;
  MessageBoxDouble& operator=(const MessageBoxDouble&) = delete;

  void QueueAnswer(int answer) { m_answers.push_back(answer); }
  void SetDefaultAnswer(int answer) { m_default = answer; }
  const std::vector<MessageBoxRequest>& Shown() const { return m_shown; }
  size_t Count() const { return m_shown.size(); }
  // The last box shown. With none shown the test fails here, under its
  // own name, and reads an empty box instead of crashing the test program.
  const MessageBoxRequest& Last() const;
  void Clear() { m_shown.clear(); }

 private:
  int Answer(const MessageBoxRequest& request);
  MessageBoxHandler m_previous;
  std::deque<int> m_answers;
  int m_default;
  std::vector<MessageBoxRequest> m_shown;
};

// Holds keys and mouse buttons (VK_SHIFT, VK_CONTROL, VK_RBUTTON, ...).
class KeyStateDouble {
 public:
  KeyStateDouble();
  ~KeyStateDouble();
  void Hold(int virtualKey) { m_held.insert(virtualKey); }
  void Release(int virtualKey) { m_held.erase(virtualKey); }

 private:
  KeyStateHandler m_previous;
  std::set<int> m_held;
};

// A clock that moves only when told.
class ClockDouble {
 public:
  explicit ClockDouble(std::uint64_t startTicks = 1000000, DATE startNow = 46000.5);
  ~ClockDouble();
  void Advance(std::uint64_t ms);
  void SetTicks(std::uint64_t ticks) { m_ticks = ticks; }
  void SetNow(DATE now) { m_now = now; }
  std::uint64_t Ticks() const { return m_ticks; }

 private:
  ClockHandler m_handler;
  std::uint64_t m_ticks;
  DATE m_now;
};

// A clipboard in memory.
class ClipboardDouble {
 public:
  ClipboardDouble();
  ~ClipboardDouble();
  const std::string& Text() const { return m_text; }

 private:
  ClipboardHandler m_handler;
  std::string m_text;
};

// Records ExitProgram's code and throws ExitCalled (the default under test).
class ExitDouble {
 public:
  ExitDouble();
  ~ExitDouble();
  const std::vector<int>& Codes() const { return m_codes; }

 private:
  ExitHandler m_previous;
  std::vector<int> m_codes;
};

// A fresh folder removed at the end of the test; also the program folder
// while it lives when asProgramFolder is set.
class TempDir {
 public:
  explicit TempDir(bool asProgramFolder = false);
  ~TempDir();
  const std::string& Path() const { return m_path; }  // ends with '/'
  std::string File(const std::string& name) const { return m_path + name; }
  void Write(const std::string& name, const std::string& content) const;
  std::string Read(const std::string& name) const;

 private:
  std::string m_path;
  bool m_asProgramFolder;
};

// Drives every modal dialog (DoModal) with a function while it lives; the
// function must end the dialog.
class ModalDriverScope {
 public:
  explicit ModalDriverScope(CDialog::ModalDriver driver) { m_previous = CDialog::SetModalDriver(std::move(driver)); }
  ~ModalDriverScope() { CDialog::SetModalDriver(m_previous); }
  ModalDriverScope(const ModalDriverScope&) = delete;
  ModalDriverScope& operator=(const ModalDriverScope&) = delete;

 private:
  CDialog::ModalDriver m_previous;
};

// Another process that holds a file lock (flock, as CFileLock takes it) on
// the file, made when missing, until released or the object goes.
class OtherProcessFileLock {
 public:
  explicit OtherProcessFileLock(const std::string& path);
  ~OtherProcessFileLock() { Release(); }
  OtherProcessFileLock(const OtherProcessFileLock&) = delete;
  OtherProcessFileLock& operator=(const OtherProcessFileLock&) = delete;
  bool Held() const { return m_held; }
  int Pid() const { return m_pid; }
  // Ends the other process, and with it the hold; waits until it has ended.
  void Release();

 private:
  int m_pid = -1;
  int m_stop = -1;
  bool m_held = false;
};

}  // namespace testing_support
