#include "core/ErrorBox.h"

#include "core/VekUtils.h"

std::string MakeErrorTips(const std::string& label, const std::string& text) {
  CopyTextToClipboard(text);
  return "\n\nTips:\n - The " + label +
         " is copied to clipboard.\n"
         " - Press and hold Shift key to ignore subsequent call of this error message types.\n"
         " - Press Cancel button to terminate program.";
}

int ShowSharedErrorBox(const std::string& text, int nExitCode, UINT nFlags) {
  if (IsShiftKeyDown()) return IDOK;
  const int answer = AfxMessageBox(text, nFlags);
  // Returns only while the session ends: the caller has its answer.
  if (answer == IDCANCEL || answer == IDNO || answer == IDABORT) ExitProgram(nExitCode);
  return answer;
}
