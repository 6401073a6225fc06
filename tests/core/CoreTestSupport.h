// Helpers shared by the engine-core tests (and the tests above them): a
// window that records the tag notices it receives, quick tag definitions,
// a login step that answers from a queue, and the files of a first start's
// sealing.
#pragma once

#include <algorithm>
#include <deque>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/CoreMessages.h"
#include "core/DCTag.h"
#include "core/VekAccessControl.h"
#include "core/VekEncryption.h"
#include "platform/Thread.h"
#include "platform/Wnd.h"

namespace core_test {

class NoticeWnd : public CWnd {
 public:
  std::vector<std::pair<CDCTag*, int>> notices;  // (tag, code) in arrival order
  std::vector<std::pair<WPARAM, LPARAM>> pending;  // WM_DATACENTER_PENDING

  NoticeWnd() { Create("notice", 0, CRect(0, 0, 10, 10), nullptr, 0); }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DCTAG_NOTICE) {
      notices.emplace_back(reinterpret_cast<CDCTag*>(wParam), static_cast<int>(lParam));
      return 0;
    }
    if (message == WM_DATACENTER_PENDING) {
      pending.emplace_back(wParam, lParam);
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }

  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const auto& n : notices) codes.push_back(n.second);
    return codes;
  }
};

// Delivers every posted message now.
inline void Deliver() {
  for (int i = 0; i < 3; ++i) ProcessPendingEvents();
}

inline TagDefinition MakeDef(const std::string& name, int hw, int io, VARTYPE vt, int stack = 0) {
  TagDefinition def;
  def.nLineNumber = 1;
  def.strTagName = name;
  def.nHWType = hw;
  def.nIOType = io;
  def.vtDataType = vt;
  def.nDataStackSize = stack;
  return def;
}

// Replaces the login step while it lives: each login takes the next user
// of the queue (null, or an empty queue: the user gives up) and records
// the purpose it was asked for.
class LoginDouble {
 public:
  LoginDouble() {
    m_previous = SetLoginHandler([this](const std::string& purpose) {
      purposes.push_back(purpose);
      if (answers.empty()) return static_cast<CVekAccessUser*>(nullptr);
      CVekAccessUser* user = answers.front();
      answers.pop_front();
      return user;
    });
  }
  ~LoginDouble() { SetLoginHandler(m_previous); }
  LoginDouble(const LoginDouble&) = delete;
  LoginDouble& operator=(const LoginDouble&) = delete;
  std::deque<CVekAccessUser*> answers;
  std::vector<std::string> purposes;

 private:
  LoginHandler m_previous;
};

// An unsealed user file (as shipped) with one user, Admin, password
// "VekAdmin", of the VekFrame administrators.
inline std::string UnsealedAdmin() {
  return "[User-1]\r\nName=Admin\r\nPW=" + CVekEncryption::HashPassword("VekAdmin") + "\r\nGRP=128\r\n";
}

// The files of a folder but the log and the user file's lock file
// (VTLN-), sorted: what a sealing left.
inline std::vector<std::string> FilesLeft(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name != "VTLN-Log.log" && name != "VTLN-VXC.sys.lock") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace core_test
