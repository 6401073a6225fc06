// The start of every program of the project (the application and the test
// programs): makes the toolkit's application object and fixes the C
// library's number format, then runs the body. Call once, from main.
// SIGPIPE is ignored for the whole process: a write to a pipe or socket
// whose reader has gone (stderr into `| tee` after the terminal closed)
// fails with EPIPE, which every writer treats as a failed write, instead
// of ending the program in the middle of whatever it was doing. A standard
// stream closed at the start is opened on /dev/null, so no file of the
// program's own takes its number.
#pragma once

#include <functional>

// Creates the application object (headless when QT_QPA_PLATFORM=offscreen),
// sets the number format of the C library back to the C locale (the toolkit
// takes the user's locale, under which printf would write "1,5"), runs body
// and returns its result.
int RunPlatformMain(int argc, char** argv, const std::function<int()>& body);
