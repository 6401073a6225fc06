// The end of the session, asked by the system: SIGTERM (the system shuts
// down, a service manager stops the program), SIGHUP (the session or the
// terminal goes) and SIGINT (Ctrl+C). The program then ends the way it
// ends when the user closes it and says Yes, only without asking, as the
// framework does when the system ends a session:
//  - every modal dialog, box and menu that is open is ended (a dialog with
//    IDCANCEL, a box with the answer of its close box: Cancel, No, or OK
//    where it has no other), so no modal loop keeps the program from
//    ending;
//  - boxes asked for from then on are not shown: they get that same answer
//    at once and their text goes to the box log (and stderr);
//  - the session-end handler runs once, on the user-interface thread, from
//    the event loop it was registered for, never from inside a modal loop.
//    A request made before that loop runs (during start-up) waits for it;
//  - an exit the program asks for meanwhile (ExitProgram after a box's
//    Cancel, platform/Seams.h) does not end the process: the session end's
//    own exit, with code 0, stands in for it.
// A second request does nothing more, up to the end of the process.
//
// The signal handler only writes one byte to a pipe (it is safe in any
// thread at any moment); the pipe's notifier on the user-interface thread
// does the rest.
#pragma once

#include <functional>
#include <string>

// Installs the handlers of the three signals for its life, and restores
// the ones before it when it goes; once a session end was asked for, the
// three signals are ignored instead, for the rest of the process, so that
// one arriving during the last part of the exit cannot end it
// (ResetSessionEndForTest restores them). Make it on the user-interface
// thread once the application object exists; one at a time.
class CSessionEndSignals {
 public:
  CSessionEndSignals();
  ~CSessionEndSignals();
  CSessionEndSignals(const CSessionEndSignals&) = delete;
  CSessionEndSignals& operator=(const CSessionEndSignals&) = delete;

  // False when the pipe could not be made or another object is installed.
  bool IsInstalled() const { return m_bInstalled; }

 private:
  bool m_bInstalled = false;
};

// Asks the session to end, as a signal does; strReason says why ("SIGTERM").
// Any thread (it moves to the user-interface thread).
void RequestSessionEnd(const std::string& strReason);
// True once the session end was asked for. Any thread.
bool IsSessionEnding();
// The exit seam's rule: while the session ends, an exit the program asks
// for with the code is written to the box log (on the user-interface
// thread) and stderr, and true returned: the caller goes on as after its
// box's close answer and the session end's orderly exit ends the process.
// False when the session does not end. Any thread.
bool DeferExitToSessionEnd(int code);

// What ends the program, called with the reason: registered by the code
// that runs the program's event loop, just before it runs it and outside
// any loop; it runs when that loop has control (no modal loop open).
// Null removes it. User-interface thread.
using SessionEndHandler = std::function<void(const std::string& strReason)>;
void SetSessionEndHandler(SessionEndHandler handler);
// Where the text of a box that is not shown goes (besides stderr). Null
// removes it. User-interface thread.
void SetSessionEndBoxLog(std::function<void(const std::string& strLine)> log);

// The answer a box of these flags gets when it is not shown: the answer of
// its close box (the last button: Cancel, No, Ignore or OK).
int SessionEndBoxAnswer(unsigned flags);
// Ends every modal dialog (IDCANCEL), box (its close answer) and menu open
// now, so their loops return. User-interface thread.
void EndModalLoops();

// Tests: forgets a session end, so boxes show again and exits end the
// process; signals left ignored by a session end get their handling back.
void ResetSessionEndForTest();
