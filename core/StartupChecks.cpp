#include "core/StartupChecks.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "core/AtomicFile.h"
#include "core/VekUtils.h"
#include "platform/Paths.h"
#include "platform/Seams.h"

namespace {

bool SecondInstanceKeysHeld() {
  return (IsCtrlKeyDown() && IsShiftKeyDown()) || (GetKeyState(VK_RBUTTON) & 0x8000) != 0;
}

// The locks live until the process ends.
std::mutex g_locksMutex;
std::map<std::string, std::unique_ptr<CNamedMutex>> g_locks;
std::string g_secondInstanceMessage = "VekFrame already running!";

}  // namespace

std::string GetSingleInstanceFault(const std::string& strMutexName) {
  std::lock_guard lock(g_locksMutex);
  const auto it = g_locks.find(strMutexName);
  return it != g_locks.end() && it->second ? it->second->GetFault() : std::string();
}

BOOL CheckSingleInstance(const std::string& strMutexName, const std::string& strMessage) {
  bool existed = false;
  {
    std::lock_guard lock(g_locksMutex);
    auto& slot = g_locks[strMutexName];
    if (!slot) slot = std::make_unique<CNamedMutex>(strMutexName);
    existed = slot->AlreadyExisted();
    g_secondInstanceMessage = strMessage;
  }
  if (!existed) return TRUE;
  if (SecondInstanceKeysHeld()) {
    AfxMessageBox("The second execution of VekFrame is starting!", MB_OK | MB_ICONINFORMATION);
    return TRUE;
  }
  AfxMessageBox(strMessage, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
  return SecondInstanceKeysHeld() ? TRUE : FALSE;
}

void RefuseSecondInstance(const std::string& strReason) {
  std::string message;
  {
    std::lock_guard lock(g_locksMutex);
    message = g_secondInstanceMessage;
  }
  AfxMessageBox(message + "\n\n" + strReason, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
}

BOOL CheckFileAccess(const std::string& strWhat, const std::string& strPath) {
  if (const std::string kind = NonFileKind(strPath); !kind.empty()) {
    AfxMessageBox(strWhat + " file is " + kind + "!\n" + strPath, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
    return FALSE;
  }
  if (!FileExists(strPath)) {
    AfxMessageBox(strWhat + " file not found!\n" + strPath, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
    return FALSE;
  }
  if (const int fd = OpenRegularFile(strPath, O_RDONLY, true, nullptr); fd >= 0) {
    ::close(fd);
  } else {
    AfxMessageBox(strWhat + " file is not readable!\n" + strPath + "\n" + std::strerror(errno),
                  MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
    return FALSE;
  }
  if (IsFileReadOnly(strPath) || IsMarkedReadOnly(strPath)) {
    AfxMessageBox(strWhat + " file is Read-Only!\n" + strPath, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
    return FALSE;
  }
  return TRUE;
}
