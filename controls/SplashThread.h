// The start-up splash: the bitmap shown while the program starts, closed
// once the main frame is shown. The splash is a window of the
// user-interface thread (the toolkit cannot draw from another one); the
// name StartSplashThread is kept for the start-up code that calls it.
// Threads: user-interface thread.
#pragma once

#include "platform/Wnd.h"

// Shows the splash with the bitmap resource and starts watching for the
// main frame: every 100 ms the splash closes when the main window (see
// SetSplashMainWindow) is visible, or after 60 s at the latest.
void StartSplashThread(UINT nBitmapId);
// The window whose showing ends the splash (the main frame).
void SetSplashMainWindow(CWnd* pMainWnd);
// Closes the splash now when the main window is visible (the watcher's
// check; start-up code may call it right after showing the main frame).
// True when the splash was closed or is not shown.
bool CloseSplashIfMainWindowShown();
// Closes the splash now and ends the watch (a start-up that was refused:
// nothing is to come after its last box).
void CloseSplash();
