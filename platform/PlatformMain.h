// The start of every program of the project (the application and the test
// programs): makes the toolkit's application object and fixes the C
// library's number format, then runs the body. Call once, from main.
#pragma once

#include <functional>

// Creates the application object (headless when QT_QPA_PLATFORM=offscreen),
// sets the number format of the C library back to the C locale (the toolkit
// takes the user's locale, under which printf would write "1,5"), runs body
// and returns its result.
int RunPlatformMain(int argc, char** argv, const std::function<int()>& body);
