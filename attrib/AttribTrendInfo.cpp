#include "attrib/AttribTrendInfo.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/ErrorBox.h"
#include "core/VStack.h"
#include "core/VekEngineBase.h"
#include "core/VekUtils.h"
#include "attrib/PlantServices.h"
#include "attrib/VAttrib.h"
#include "attrib/VAttribsPack.h"

namespace {

// The process-wide list: exists while at least one setting does.
CAttribTrendInfo::TrendInfoList* g_pTrendInfoList = nullptr;

// The three fields of a trend setting, in the order the text gives them.
struct TrendField {
  const char* key;
  int min;
  int max;
  void (*store)(CAttribTrendInfo&, int);
};
constexpr std::array<TrendField, 3> kTrendFields = {{
    {"TrendIndex#", 1, 100, [](CAttribTrendInfo& t, int n) { t.SetTrendIndex(n); }},
    {"RecordCount#", 10, 86400, [](CAttribTrendInfo& t, int n) { t.SetRecordCount(n); }},
    {"RecordInterval#", 1, 59, [](CAttribTrendInfo& t, int n) { t.SetRecordInterval(n); }},
}};

std::string BindingInfoOf(const CAttribTrendInfo* trend) {
  return trend->GetOwner() ? trend->GetOwner()->FormatBindingInfo(nullptr) : std::string();
}

}  // namespace

CAttribTrendInfo::CAttribTrendInfo(CVAttrib* owner) : m_Stopwatch(true), m_pOwner(owner) {
  // The engine empties the stacks on every switch of the data source; it
  // learns how once the first setting exists.
  static const bool registered = [] {
    CVekEngineBase::SetResetTrendStacksHandler(&CAttribTrendInfo::ResetTrendStacks);
    return true;
  }();
  (void)registered;
  if (g_pTrendInfoList == nullptr) g_pTrendInfoList = new TrendInfoList;
  g_pTrendInfoList->push_back(this);
}

CAttribTrendInfo::~CAttribTrendInfo() {
  if (g_pTrendInfoList == nullptr) return;
  auto& list = *g_pTrendInfoList;
  auto it = std::find(list.rbegin(), list.rend(), this);
  if (it != list.rend()) list.erase(std::next(it).base());
  if (list.empty()) {
    delete g_pTrendInfoList;
    g_pTrendInfoList = nullptr;
  }
}

bool CAttribTrendInfo::SetRecordCount(int n) {
  if (m_pOwner == nullptr || !CVStack::IsSupportedVarType(m_pOwner->GetDataType())) return false;
  m_nRecordCount = n;
  if (!m_pSampleStack) {
    m_pSampleStack = std::make_unique<CVStack>();
    m_pSampleStack->SetTimeStamping(true);
  }
  m_pSampleStack->SetSize(n);
  return true;
}

std::string CAttribTrendInfo::GetDescription() const {
  return "Trend Index: " + IntToText(m_nTrendIndex) + "\r\n" + "Record Count: " +
         IntToText(m_nRecordCount) + "\r\n" + "Record Interval: " + IntToText(m_nRecordInterval) +
         " Sec." + "\r\n";
}

std::string CAttribTrendInfo::ParseFields(std::string text) {
  if (m_pOwner == nullptr || !CVStack::IsSupportedVarType(m_pOwner->GetDataType())) {
    return "Trend is NOT supported for assigned Attrib!";
  }
  for (const TrendField& field : kTrendFields) {
    int n = -1;
    if (!ExtractKeyedInt(text, field.key, n)) {
      return FormatText("Invalid TrendInfo! -> Start TrendInfo with '%s'", field.key);
    }
    if (n < field.min || n > field.max) {
      return FormatText("Invalid TrendInfo! -> '%s' is out of range.", field.key);
    }
    field.store(*this, n);
  }
  if (!text.empty()) return "Invalid TrendInfo! -> Unsupported info was found!";
  return "";
}

bool CAttribTrendInfo::ParseTrendInfo(const std::string& text) {
  if (text.empty()) return false;
  const std::string reason = ParseFields(text);
  if (reason.empty()) {
    CheckDuplicatedIndex();
    return true;
  }
  if (!IsShiftKeyDown()) {
    ShowPlantConfigError(reason + "\n" + "Please update INI file.\n\n" + BindingInfoOf(this) +
                             "\n ---> Invalid TrendInfo: [" + text + "]",
                         "Attrib TrendInfo", text, kExitCodeTrendError);
  }
  return false;
}

// Reports the first earlier setting (searching back from the newest) that
// has this setting's index. Both settings stay.
void CAttribTrendInfo::CheckDuplicatedIndex() const {
  if (IsShiftKeyDown() || g_pTrendInfoList == nullptr) return;
  const auto& list = *g_pTrendInfoList;
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    const CAttribTrendInfo* earlier = *it;
    if (earlier == this || earlier->m_nTrendIndex != m_nTrendIndex) continue;
    const CVAttribsPack* pack = m_pOwner ? m_pOwner->GetOwner() : nullptr;
    ShowPlantConfigError("Found duplicated Trend Index in the following two attribs!\n" +
                             ("Duplicated TrendIndex: " + IntToText(m_nTrendIndex) + "\n") +
                             "Please update INI file.\n\n" + BindingInfoOf(earlier) + "\n\n" +
                             BindingInfoOf(this),
                         "Second Section Name", pack ? pack->GetIniSectionName() : std::string(),
                         kExitCodeTrendError);
    return;
  }
}

CAttribTrendInfo::TrendInfoList* CAttribTrendInfo::GetSortedTrendInfoList() {
  if (g_pTrendInfoList == nullptr) return nullptr;
  auto& list = *g_pTrendInfoList;
  // Exchange sort: each position takes the smallest index of the rest.
  for (size_t i = 0; i + 1 < list.size(); ++i) {
    for (size_t j = i + 1; j < list.size(); ++j) {
      if (list[i]->m_nTrendIndex > list[j]->m_nTrendIndex) std::swap(list[i], list[j]);
    }
  }
  return g_pTrendInfoList;
}

void CAttribTrendInfo::ResetTrendStacks() {
  if (g_pTrendInfoList == nullptr) return;
  for (CAttribTrendInfo* trend : *g_pTrendInfoList) {
    if (trend->m_pSampleStack) trend->m_pSampleStack->Reset();
  }
}
