// The start-up checks of the program: one running instance (a named lock
// that Ctrl+Shift or the right mouse button overrides) and the access to a
// data file. User-interface thread (they show boxes).
#pragma once

#include <string>

#include "platform/WinTypes.h"

// Takes the named lock for the life of the process. TRUE when no other
// instance holds it. Otherwise: with Ctrl and Shift held, or the right
// mouse button held, shows "The second execution of VekFrame is starting!"
// and returns TRUE; else shows strMessage (hand icon, system modal), tests
// the keys once more and returns FALSE unless they are held.
BOOL CheckSingleInstance(const std::string& strMutexName, const std::string& strMessage);
// Why CheckSingleInstance could not take its lock, so a second instance
// goes unseen (said on stderr; the caller writes it to the log); empty
// when it took the lock, another instance holds it, or it was not called.
std::string GetSingleInstanceFault(const std::string& strMutexName);

// Refuses this start as a second instance where another start holds a
// file it cannot do without (the user file while that start seals it):
// shows the message CheckSingleInstance was given (or "VekFrame already
// running!" before it was called), then strReason (hand icon, system
// modal). The holding of keys lets nothing through here.
void RefuseSecondInstance(const std::string& strReason);

// A missing file shows strWhat + " file not found!\n" + path, anything but
// a file in its place strWhat + " file is a folder!\n" + path (or "is a
// FIFO!", "is a link to a missing file!", ... as NonFileKind says it),
// a file that cannot be read strWhat + " file is not readable!\n" + path
// and the reason, a read-only file strWhat + " file is Read-Only!\n" +
// path (hand icon, system modal), and returns FALSE; otherwise TRUE. It
// never blocks on what bears the name.
BOOL CheckFileAccess(const std::string& strWhat, const std::string& strPath);
