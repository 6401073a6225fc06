// The shared configuration-error box: an error text with a tips block,
// suppressed while Shift is held, ending the program on Cancel with the
// caller's exit code; and MakeErrorTips, which builds the tips block.
// Any thread (boxes go through the message-box seam); the program's own
// callers use it from the user-interface thread.
#pragma once

#include <string>

#include "platform/Seams.h"

// Exit codes that configuration errors end the program with. The parent
// process sees a code modulo 256: 321 arrives as 65.
inline constexpr int kExitCodeConfigError = 321;  // attribute and tag configuration
inline constexpr int kExitCodeTrendError = 123;   // trend settings

inline constexpr UINT kErrorBoxFlags = MB_OKCANCEL | MB_ICONERROR | MB_SYSTEMMODAL;

// Puts text on the clipboard and returns the tips block:
// "\n\nTips:\n - The <label> is copied to clipboard.\n - Press and hold
// Shift key ... types.\n - Press Cancel button to terminate program."
std::string MakeErrorTips(const std::string& label, const std::string& text);

// Shows text (which already holds its tips) with the flags unless Shift is
// held (then nothing is shown and IDOK returned). An answer of Cancel, No
// or Abort ends the program with nExitCode (ExitProgram: not while the
// session ends, which the answer is then returned for); otherwise the
// answer returned.
int ShowSharedErrorBox(const std::string& text, int nExitCode, UINT nFlags = kErrorBoxFlags);
