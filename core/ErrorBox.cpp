#include "core/ErrorBox.h"

#include "core/VekUtils.h"
#include "platform/SessionEnd.h"

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
  // At the end of the session nobody answered: the program ends its own way.
  if ((answer == IDCANCEL || answer == IDNO || answer == IDABORT) && !IsSessionEnding()) ExitProgram(nExitCode);
  return answer;
}
