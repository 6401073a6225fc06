// Data exchange between a dialog's controls and its members
// (DoDataExchange): DDX_ functions move a value in the direction of the
// exchange, DDV_ functions check it when saving. A text that is not a
// number, or a number out of range, is refused with the standard message
// ("Please enter an integer.", "Please enter a number between 0 and 90.",
// ...) in an exclamation box; the control then gets the focus with its text
// selected and the exchange stops (UpdateData returns FALSE).
// Numbers are read and written in the C locale ('.' decimal point), floats
// with 6 and doubles with 15 significant digits.
// Threads: user-interface thread.
#pragma once

#include <string>

#include "platform/WinTypes.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate);

  // The control of the id, remembered as the one a refusal points at; null
  // (and a failed exchange) when the dialog has no such control.
  CWnd* PrepareCtrl(int id);
  CWnd* PrepareEditCtrl(int id);
  // Gives the remembered control the focus (selecting an edit's text) and
  // stops the exchange.
  [[noreturn]] void Fail();

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  int m_idLastControl = 0;
  BOOL m_bEditLastControl = FALSE;
};

// Thrown by CDataExchange::Fail and caught by UpdateData.
struct DataExchangeFailure {};

// One exchange in the direction asked, for a window's UpdateData: exchange
// gets the CDataExchange (the window's DoDataExchange). FALSE when a value
// was refused.
template <class Exchange>
BOOL RunDataExchange(CWnd* window, BOOL saveAndValidate, Exchange&& exchange) {
  CDataExchange dx(window, saveAndValidate);
  try {
    exchange(&dx);
  } catch (const DataExchangeFailure&) {
    return FALSE;
  }
  return TRUE;
}

// The standard refusals; shown with AfxMessageBox(MB_ICONEXCLAMATION).
namespace ddx_messages {
constexpr const char* kParseInt = "Please enter an integer.";
constexpr const char* kParseUInt = "Please enter a positive integer.";
constexpr const char* kParseReal = "Please enter a number.";
constexpr const char* kIntRange = "Please enter an integer between %d and %d.";
constexpr const char* kUIntRange = "Please enter an integer between %u and %u.";
constexpr const char* kRealRange = "Please enter a number between %s and %s.";
constexpr const char* kMaxChars = "Please enter no more than %d characters.";
}  // namespace ddx_messages

// Text parsing and formatting the exchange uses (pure; leading and trailing
// blanks allowed, anything else after the number refused).
bool ParseDialogInt(const std::string& text, long long* value);
bool ParseDialogDouble(const std::string& text, double* value);
std::string FormatDialogDouble(double value, int significantDigits);

void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, long& value);
void DDX_Text(CDataExchange* dx, int id, float& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// The index of the checked button of the radio group starting at id; -1 for none.
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, std::string& value);
void DDX_CBStringExact(CDataExchange* dx, int id, std::string& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
void DDX_LBString(CDataExchange* dx, int id, std::string& value);
void DDX_Slider(CDataExchange* dx, int id, int& value);
// Binds the member control to the template's control of the id (once).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue);
void DDV_MinMaxLong(CDataExchange* dx, long value, long minValue, long maxValue);
void DDV_MinMaxFloat(CDataExchange* dx, float value, float minValue, float maxValue);
void DDV_MinMaxDouble(CDataExchange* dx, double value, double minValue, double maxValue);
void DDV_MaxChars(CDataExchange* dx, const std::string& value, int maxChars);
