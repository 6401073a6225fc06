#include "core/DataCenterBase.h"

#include <cerrno>
#include <iterator>

#include "core/AtomicFile.h"
#include "core/ErrorBox.h"
#include "core/VekUtils.h"
#include "platform/Paths.h"
#include "platform/Wnd.h"

namespace {

constexpr const char* kResultTexts[] = {
    "Operation succeeds.", "Unknown Error!",        "Access Denied!",
    "Invalid Parameter!",  "Parameter is out of range!!", "File not found!",
    "Invalid File Version!", "Found duplicated item!"};

// How many faulty lines one message lists.
constexpr size_t kMaxListedErrors = 10;

}  // namespace

std::string CDataCenterBase::GetResultText(int nResult) {
  if (nResult < 0 || nResult >= static_cast<int>(std::size(kResultTexts))) return kResultTexts[1];
  return kResultTexts[nResult];
}

CDataCenterBase::CDataCenterBase() = default;
CDataCenterBase::~CDataCenterBase() = default;

int CDataCenterBase::LoadTagFile(const std::string& strPath) {
  if (!m_tags.empty()) return LoadTagText("", strPath);  // refused there
  if (const std::string kind = NonFileKind(strPath); !kind.empty()) {
    // The code of a file that cannot be found, but said as what it is (a
    // folder, a FIFO, a link to a missing file).
    m_strLastError = "The DataCenter Tag file " + NotAFileText(strPath, kind) + "\nPlease update DCT file.";
    return eResultFileNotFound;
  }
  if (!FileExists(strPath)) {
    m_strLastError = GetResultText(eResultFileNotFound) + "\nThe DataCenter Tag file \"" + strPath +
                     "\" does not exist.\nPlease update DCT file.";
    return eResultFileNotFound;
  }
  std::string content;
  std::string error;
  if (!ReadWholeFile(strPath, &content, &error)) {
    m_strLastError = GetResultText(eResultAccessDenied) + "\n" + error + "\nPlease update DCT file.";
    return eResultAccessDenied;
  }
  return LoadTagText(content, strPath);
}

int CDataCenterBase::LoadTagText(const std::string& content, const std::string& fileName) {
  if (!m_tags.empty()) {
    m_strLastError = GetResultText(eResultAccessDenied) + "\nThe tags of the DataCenter are already loaded; \"" +
                     fileName + "\" is not read again.";
    return eResultAccessDenied;
  }
  std::vector<TagDefinition> defs;
  std::vector<TagFileError> errors;
  ParseTagFileText(content, fileName, &defs, &errors);
  if (!errors.empty()) {
    std::string text = GetResultText(errors.front().nResult) + "\nThe DataCenter Tag file has " +
                       FormatText("%zu faulty line(s):\n", errors.size());
    for (size_t i = 0; i < errors.size() && i < kMaxListedErrors; ++i) text += " - " + errors[i].strText + "\n";
    if (errors.size() > kMaxListedErrors) text += FormatText(" - ... and %zu more.\n", errors.size() - kMaxListedErrors);
    text += "\nPlease update DCT file.";
    m_strLastError = text;
    return errors.front().nResult;
  }
  if (defs.empty()) {
    m_strLastError = GetResultText(eResultInvalidFileVersion) + "\nThe DataCenter Tag file \"" + fileName +
                     "\" holds no tag line: it is empty or not a tag file.\nPlease update DCT file.";
    return eResultInvalidFileVersion;
  }
  m_tags.reserve(defs.size());
  m_byName.reserve(defs.size());
  for (const TagDefinition& def : defs) {
    m_tags.push_back(std::make_unique<CDCTag>(this, def, static_cast<int>(m_tags.size())));
    m_byName.emplace(def.strTagName, m_tags.back().get());
  }
  m_strLastError.clear();
  return eResultOk;
}

CDCTag* CDataCenterBase::GetTagAt(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetTagCount()) return nullptr;
  return m_tags[static_cast<size_t>(nIndex)].get();
}

CDCTag* CDataCenterBase::FindTag(const std::string& strName) const {
  const auto it = m_byName.find(strName);
  return it == m_byName.end() ? nullptr : it->second;
}

CDCTag* CDataCenterBase::FindTagOrWarn(const std::string& strName) const {
  if (strName.empty() || strName == kNoTagName || strName == kNoTagNameAlt) return nullptr;
  if (CDCTag* tag = FindTag(strName)) return tag;
  if (!IsShiftKeyDown()) {
    ShowSharedErrorBox(FormatText("The following Tag did not found in DataCenter:\n - %s", strName.c_str()) +
                           MakeErrorTips("TagName", strName),
                       kExitCodeConfigError);
  }
  return nullptr;
}

bool CDataCenterBase::HasTagsOfHWType(int nHWType) const {
  for (const auto& tag : m_tags)
    if (tag->GetHWType() == nHWType) return true;
  return false;
}

void CDataCenterBase::SetNotifyWnd(CWnd* pWnd) { m_hNotifyWnd = pWnd ? pWnd->m_hWnd : nullptr; }

void CDataCenterBase::SetAllReadPending(bool bPending) {
  for (const auto& tag : m_tags) tag->SetReadPending(bPending);
}

void CDataCenterBase::SetAllWritePending(bool bPending) {
  for (const auto& tag : m_tags) tag->SetWritePending(bPending);
}

void CDataCenterBase::OnTagPendingChanged(int nCode, bool bNowPending) {
  std::atomic<int>& total = nCode == eNoticeReadPending ? m_nTotalReadPending : m_nTotalWritePending;
  const int before = bNowPending ? total.fetch_add(1) : total.fetch_sub(1);
  const int after = before + (bNowPending ? 1 : -1);
  // Only the change between "none" and "some" is announced.
  if ((before == 0) != (after == 0) && m_hNotifyWnd)
    CWnd::PostMessage(m_hNotifyWnd, WM_DATACENTER_PENDING, reinterpret_cast<WPARAM>(this), nCode);
}
