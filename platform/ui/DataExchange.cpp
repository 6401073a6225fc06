#include "platform/ui/DataExchange.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cstdio>

#include "platform/Seams.h"
#include "platform/Wnd.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/SliderCtrl.h"

namespace {

std::string Trimmed(const std::string& text) {
  const size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return std::string();
  const size_t end = text.find_last_not_of(" \t\r\n");
  return text.substr(begin, end - begin + 1);
}

[[noreturn]] void Refuse(CDataExchange* dx, const std::string& message) {
  AfxMessageBox(message, MB_ICONEXCLAMATION);
  dx->Fail();
}

std::string Format(const char* format, auto... args) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

std::string ControlText(CDataExchange* dx, int id) {
  CWnd* control = dx->PrepareEditCtrl(id);
  return control ? control->GetWindowText() : std::string();
}

}  // namespace

// ---- Parsing ------------------------------------------------------------------------

bool ParseDialogInt(const std::string& text, long long* value) {
  std::string t = Trimmed(text);
  if (!t.empty() && t[0] == '+') t.erase(0, 1);
  if (t.empty()) return false;
  long long v = 0;
  const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (error != std::errc() || end != t.data() + t.size()) return false;
  *value = v;
  return true;
}

bool ParseDialogDouble(const std::string& text, double* value) {
  std::string t = Trimmed(text);
  if (!t.empty() && t[0] == '+') t.erase(0, 1);
  if (t.empty()) return false;
  double v = 0;
  const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (error != std::errc() || end != t.data() + t.size()) return false;
  *value = v;
  return true;
}

std::string FormatDialogDouble(double value, int significantDigits) {
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

// ---- CDataExchange ---------------------------------------------------------------------

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

CWnd* CDataExchange::PrepareCtrl(int id) {
  CWnd* control = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr;
  m_idLastControl = id;
  m_bEditLastControl = FALSE;
  return control;
}

CWnd* CDataExchange::PrepareEditCtrl(int id) {
  CWnd* control = PrepareCtrl(id);
  m_bEditLastControl = TRUE;
  return control;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_pDlgWnd) {
    if (CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
      control->SetFocus();
      if (auto* edit = dynamic_cast<CEdit*>(control); edit && m_bEditLastControl) edit->SetSel(0, -1);
    }
  }
  throw DataExchangeFailure{};
}

// ---- DDX --------------------------------------------------------------------------------------

static void IntExchange(CDataExchange* dx, int id, long long& value, long long low, long long high,
                        const char* refusal, const char* format) {
  if (dx->m_bSaveAndValidate) {
    long long parsed = 0;
    const std::string text = ControlText(dx, id);
    if (!ParseDialogInt(text, &parsed) || parsed < low || parsed > high) Refuse(dx, refusal);
    value = parsed;
  } else {
    CWnd* control = dx->PrepareEditCtrl(id);
    if (control) control->SetWindowText(Format(format, value));
  }
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
  long long v = value;
  IntExchange(dx, id, v, INT_MIN, INT_MAX, ddx_messages::kParseInt, "%lld");
  value = static_cast<int>(v);
}

void DDX_Text(CDataExchange* dx, int id, UINT& value) {
  long long v = value;
  IntExchange(dx, id, v, 0, UINT_MAX, ddx_messages::kParseUInt, "%lld");
  value = static_cast<UINT>(v);
}

void DDX_Text(CDataExchange* dx, int id, long& value) {
  long long v = value;
  IntExchange(dx, id, v, LONG_MIN, LONG_MAX, ddx_messages::kParseInt, "%lld");
  value = static_cast<long>(v);
}

static void RealExchange(CDataExchange* dx, int id, double& value, int digits, bool isFloat) {
  if (dx->m_bSaveAndValidate) {
    double parsed = 0;
    const std::string text = ControlText(dx, id);
    if (!ParseDialogDouble(text, &parsed) || (isFloat && (parsed > FLT_MAX || parsed < -FLT_MAX)))
      Refuse(dx, ddx_messages::kParseReal);
    value = parsed;
  } else {
    CWnd* control = dx->PrepareEditCtrl(id);
    if (control) control->SetWindowText(FormatDialogDouble(value, digits));
  }
}

void DDX_Text(CDataExchange* dx, int id, float& value) {
  double v = value;
  RealExchange(dx, id, v, FLT_DIG, true);
  value = static_cast<float>(v);
}

void DDX_Text(CDataExchange* dx, int id, double& value) { RealExchange(dx, id, value, DBL_DIG, false); }

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
  CWnd* control = dx->PrepareEditCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) value = control->GetWindowText();
  else control->SetWindowText(value);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  auto* button = dynamic_cast<CButton*>(dx->PrepareCtrl(id));
  if (!button) return;
  if (dx->m_bSaveAndValidate) {
    value = button->GetCheck();
  } else {
    button->SetCheck(value < BST_UNCHECKED || value > BST_INDETERMINATE ? BST_UNCHECKED : value);
  }
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
  CWnd* first = dx->PrepareCtrl(id);
  if (!first || !dx->m_pDlgWnd) return;
  // The group: this button and the following radio buttons up to the next WS_GROUP.
  std::vector<CWnd*> siblings = dx->m_pDlgWnd->GetChildren();
  size_t start = 0;
  while (start < siblings.size() && siblings[start] != first) ++start;
  if (dx->m_bSaveAndValidate) value = -1;
  int index = 0;
  for (size_t i = start; i < siblings.size(); ++i) {
    if (i > start && (siblings[i]->GetStyle() & WS_GROUP)) break;
    auto* radio = dynamic_cast<CButton*>(siblings[i]);
    if (!radio) continue;
    const DWORD kind = radio->GetStyle() & BS_TYPEMASK;
    if (kind != BS_RADIOBUTTON && kind != BS_AUTORADIOBUTTON) continue;
    if (dx->m_bSaveAndValidate) {
      if (radio->GetCheck() == BST_CHECKED && value < 0) value = index;
    } else {
      radio->SetCheck(index == value ? BST_CHECKED : BST_UNCHECKED);
    }
    ++index;
  }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  auto* box = dynamic_cast<CComboBox*>(dx->PrepareCtrl(id));
  if (!box) return;
  if (dx->m_bSaveAndValidate) index = box->GetCurSel();
  else box->SetCurSel(index);
}

void DDX_CBString(CDataExchange* dx, int id, std::string& value) {
  auto* box = dynamic_cast<CComboBox*>(dx->PrepareCtrl(id));
  if (!box) return;
  if (dx->m_bSaveAndValidate) {
    value = box->GetWindowText();
  } else if ((box->GetStyle() & 0x3) == CBS_DROPDOWNLIST) {
    if (box->SelectString(-1, value) == CB_ERR) box->SetCurSel(-1);
  } else {
    box->SetWindowText(value);
  }
}

void DDX_CBStringExact(CDataExchange* dx, int id, std::string& value) {
  auto* box = dynamic_cast<CComboBox*>(dx->PrepareCtrl(id));
  if (!box) return;
  if (dx->m_bSaveAndValidate) {
    value = box->GetWindowText();
  } else {
    const int index = box->FindStringExact(-1, value);
    if (index >= 0) box->SetCurSel(index);
    else if ((box->GetStyle() & 0x3) == CBS_DROPDOWNLIST) box->SetCurSel(-1);
    else box->SetWindowText(value);
  }
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
  auto* list = dynamic_cast<CListBox*>(dx->PrepareCtrl(id));
  if (!list) return;
  if (dx->m_bSaveAndValidate) index = list->GetCurSel();
  else list->SetCurSel(index);
}

void DDX_LBString(CDataExchange* dx, int id, std::string& value) {
  auto* list = dynamic_cast<CListBox*>(dx->PrepareCtrl(id));
  if (!list) return;
  if (dx->m_bSaveAndValidate) {
    const int index = list->GetCurSel();
    value = index >= 0 ? list->GetText(index) : std::string();
  } else if (list->SelectString(-1, value) == LB_ERR) {
    list->SetCurSel(-1);
  }
}

void DDX_Slider(CDataExchange* dx, int id, int& value) {
  auto* slider = dynamic_cast<CSliderCtrl*>(dx->PrepareCtrl(id));
  if (!slider) return;
  if (dx->m_bSaveAndValidate) value = slider->GetPos();
  else slider->SetPos(value);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd == nullptr && dx->m_pDlgWnd) control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

// ---- DDV --------------------------------------------------------------------------------------

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue) {
  if (dx->m_bSaveAndValidate && (value < minValue || value > maxValue))
    Refuse(dx, Format(ddx_messages::kIntRange, minValue, maxValue));
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue) {
  if (dx->m_bSaveAndValidate && (value < minValue || value > maxValue))
    Refuse(dx, Format(ddx_messages::kUIntRange, minValue, maxValue));
}

void DDV_MinMaxLong(CDataExchange* dx, long value, long minValue, long maxValue) {
  if (dx->m_bSaveAndValidate && (value < minValue || value > maxValue))
    Refuse(dx, Format("Please enter an integer between %ld and %ld.", minValue, maxValue));
}

void DDV_MinMaxFloat(CDataExchange* dx, float value, float minValue, float maxValue) {
  if (dx->m_bSaveAndValidate && (value < minValue || value > maxValue))
    Refuse(dx, Format(ddx_messages::kRealRange, FormatDialogDouble(minValue, FLT_DIG).c_str(),
                      FormatDialogDouble(maxValue, FLT_DIG).c_str()));
}

void DDV_MinMaxDouble(CDataExchange* dx, double value, double minValue, double maxValue) {
  if (dx->m_bSaveAndValidate && (value < minValue || value > maxValue))
    Refuse(dx, Format(ddx_messages::kRealRange, FormatDialogDouble(minValue, DBL_DIG).c_str(),
                      FormatDialogDouble(maxValue, DBL_DIG).c_str()));
}

void DDV_MaxChars(CDataExchange* dx, const std::string& value, int maxChars) {
  int chars = 0;
  for (unsigned char c : value)
    if ((c & 0xC0) != 0x80) ++chars;
  if (dx->m_bSaveAndValidate && chars > maxChars) Refuse(dx, Format(ddx_messages::kMaxChars, maxChars));
  if (!dx->m_bSaveAndValidate && dx->m_pDlgWnd) {
    if (auto* edit = dynamic_cast<CEdit*>(dx->m_pDlgWnd->GetDlgItem(dx->m_idLastControl))) edit->SetLimitText(static_cast<UINT>(maxChars));
  }
}
