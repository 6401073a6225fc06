#include "core/IniFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "core/AtomicFile.h"
#include "core/VekUtils.h"
#include "platform/Seams.h"
#include "platform/Thread.h"
#include "platform/Variant.h"

namespace {

// The file system stamps changes with a coarse clock (a few milliseconds):
// a change within this time of the last one may leave the stamp as it was.
constexpr long long kStampGranularityNs = 20'000'000LL;

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

long long NowRealtimeNs() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

// The value without one pair of surrounding double quotes, as private-
// profile files read.
std::string Unquote(const std::string& value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

CIniFile::CIniFile(std::string strFullPath)
    : m_strPath(std::move(strFullPath)), m_pRetry(std::make_shared<RetryLink>()) {
  m_pRetry->pIni = this;
}

CIniFile::~CIniFile() {
  {
    std::lock_guard link(m_pRetry->mutex);  // a retry under way ends first
    m_pRetry->pIni = nullptr;
  }
  // Changes kept while another program held the lock get a last chance:
  // one more wait for the lock, but one only per file, however many
  // objects on it end. No other thread uses an object being destroyed;
  // the locks are taken in the order every write takes them.
  if (m_held.empty()) return;
  static std::mutex s_exitMutex;
  static std::vector<std::string> s_exitWaitsRunOut;  // files whose last wait here ran out
  const std::string file = ResolveFileLink(m_strPath);
  bool waited = false;
  {
    std::lock_guard exitLock(s_exitMutex);
    waited = std::find(s_exitWaitsRunOut.begin(), s_exitWaitsRunOut.end(), file) != s_exitWaitsRunOut.end() &&
             CFileLock::HasWaitRunOut(file);
  }
  CFileLock fileLock(m_strPath, waited ? 0 : -1);
  std::string box;
  {
    std::lock_guard lock(m_mutex);
    if (fileLock.IsHeld() && WriteUnderLock({})) return;
    const std::string reason = fileLock.IsHeld() ? m_strLastError : fileLock.GetError();
    box = "These changes of \"" + m_strPath + "\" could not be written:\n" + HeldChangesText() + "\n" + reason;
  }
  if (fileLock.HasWaitRunOut()) {
    std::lock_guard exitLock(s_exitMutex);
    s_exitWaitsRunOut.push_back(file);
  }
  AfxMessageBox(box, MB_OK | MB_ICONEXCLAMATION);
}

CIniFile::FileStamp CIniFile::StampFile(const std::string& path) {
  FileStamp stamp;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = static_cast<unsigned long long>(st.st_size);
    stamp.mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1'000'000'000LL + st.st_mtim.tv_nsec;
    stamp.ctimeNs = static_cast<long long>(st.st_ctim.tv_sec) * 1'000'000'000LL + st.st_ctim.tv_nsec;
  }
  return stamp;
}

bool CIniFile::IsRacy() const {
  return m_stamp.exists && m_nReadTimeNs < std::max(m_stamp.mtimeNs, m_stamp.ctimeNs) + kStampGranularityNs;
}

void CIniFile::Refresh() const {
  FileStamp stamp = StampFile(m_strPath);
  if (m_bLoaded && stamp == m_stamp && !m_bRacy) return;

  std::string content;
  m_strReadError.clear();
  m_nReadTimeNs = NowRealtimeNs();
  if (stamp.exists) ++m_nDiskReads;
  if (stamp.exists && !ReadWholeFile(m_strPath, &content, &m_strReadError)) stamp.exists = false;
  if (!m_bLoaded || content != m_strRaw || stamp.exists != m_stamp.exists) Parse(content);
  m_strRaw = std::move(content);
  m_stamp = stamp;
  m_bLoaded = true;
  m_bRacy = IsRacy();
}

void CIniFile::Parse(const std::string& content) const {
  m_lines.clear();
  m_bViewValid = false;
  m_bBom = content.compare(0, 3, "\xEF\xBB\xBF") == 0;
  const size_t firstEol = content.find('\n');
  m_strEol = firstEol != std::string::npos && firstEol > 0 && content[firstEol - 1] == '\r' ? "\r\n"
             : firstEol != std::string::npos                                            ? "\n"
                                                                                          : "\r\n";
  size_t pos = m_bBom ? 3 : 0;
  while (pos < content.size()) {
    size_t end = content.find('\n', pos);
    if (end == std::string::npos) end = content.size();
    Line line;
    line.text = content.substr(pos, end - pos);
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    pos = end + 1;

    const std::string trimmed = TrimText(line.text);
    if (trimmed.empty() || trimmed[0] == ';') {
      line.kind = Line::kOther;
    } else if (trimmed[0] == '[') {
      line.kind = Line::kSection;
      const size_t close = trimmed.find(']');
      line.name = TrimText(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    } else if (const size_t eq = trimmed.find('='); eq != std::string::npos) {
      line.kind = Line::kKey;
      line.name = TrimText(trimmed.substr(0, eq));
      line.value = TrimText(trimmed.substr(eq + 1));
    }
    m_lines.push_back(std::move(line));
  }
}

int CIniFile::FindSection(const std::vector<Line>& lines, const std::string& strSection) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].kind == Line::kSection && EqualNoCase(lines[i].name, strSection)) return static_cast<int>(i);
  return -1;
}

int CIniFile::FindKey(const std::vector<Line>& lines, int nSection, const std::string& strKey) {
  if (nSection < 0) return -1;
  for (size_t i = static_cast<size_t>(nSection) + 1; i < lines.size(); ++i) {
    if (lines[i].kind == Line::kSection) break;
    if (lines[i].kind == Line::kKey && EqualNoCase(lines[i].name, strKey)) return static_cast<int>(i);
  }
  return -1;
}

bool CIniFile::ApplyEdit(std::vector<Line>& lines, const Edit& edit) {
  const int sectionLine = FindSection(lines, edit.section);
  const int keyLine = FindKey(lines, sectionLine, edit.key);
  if (keyLine >= 0 && Unquote(lines[static_cast<size_t>(keyLine)].value) == Unquote(edit.value)) return false;

  Line entry;
  entry.kind = Line::kKey;
  entry.value = edit.value;
  if (keyLine >= 0) {
    Line& line = lines[static_cast<size_t>(keyLine)];
    entry.name = line.name;  // keep the spelling the file has
    entry.text = entry.name + "=" + edit.value;
    line = entry;
  } else {
    entry.name = edit.key;
    entry.text = edit.key + "=" + edit.value;
    if (sectionLine >= 0) {
      // After the section's last non-blank line.
      size_t at = static_cast<size_t>(sectionLine) + 1;
      for (size_t i = at; i < lines.size() && lines[i].kind != Line::kSection; ++i)
        if (!TrimText(lines[i].text).empty()) at = i + 1;
      lines.insert(lines.begin() + static_cast<long>(at), entry);
    } else {
      if (!lines.empty() && !TrimText(lines.back().text).empty()) lines.push_back(Line{});
      Line header;
      header.kind = Line::kSection;
      header.name = edit.section;
      header.text = "[" + edit.section + "]";
      lines.push_back(header);
      lines.push_back(entry);
    }
  }
  return true;
}

const std::vector<CIniFile::Line>& CIniFile::View() const {
  if (m_pending.empty() && m_held.empty()) return m_lines;
  if (!m_bViewValid) {
    m_view = m_lines;
    for (const Edit& edit : m_held) ApplyEdit(m_view, edit);
    for (const Edit& edit : m_pending) ApplyEdit(m_view, edit);
    m_bViewValid = true;
  }
  return m_view;
}

std::string CIniFile::Serialize(const std::vector<Line>& lines) const {
  std::string out;
  if (m_bBom) out = "\xEF\xBB\xBF";
  for (const Line& line : lines) {
    out += line.text;
    out += m_strEol;
  }
  return out;
}

bool CIniFile::ReadString(const std::string& strSection, const std::string& strKey,
                          std::string& strOut, const std::string& strDefault) const {
  std::lock_guard lock(m_mutex);
  Refresh();
  const std::vector<Line>& lines = View();
  const int key = FindKey(lines, FindSection(lines, TrimText(strSection)), TrimText(strKey));
  strOut = CapUtf8(key >= 0 ? Unquote(lines[static_cast<size_t>(key)].value) : TrimText(strDefault),
                   kMaxValueLength);
  // Writes held by a batch (or for a retry) make the file exist once written.
  return m_stamp.exists || !m_pending.empty() || !m_held.empty();
}

bool CIniFile::ReadInt(const std::string& strSection, const std::string& strKey, int& nOut,
                       int nDefault) const {
  std::string text;
  const bool exists = ReadString(strSection, strKey, text, IntToText(nDefault));
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(begin, &end, 10);
  if (end == begin || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) {
    nOut = nDefault;
    return false;
  }
  nOut = static_cast<int>(v);
  return exists;
}

bool CIniFile::ReadFloat(const std::string& strSection, const std::string& strKey, float& fOut,
                         float fDefault) const {
  std::string text;
  const bool exists = ReadString(strSection, strKey, text, FloatToShortestText(fDefault));
  VARIANT in = VariantFromString(text);
  VARIANT out;
  if (text.empty() || FAILED(VariantChangeType(&out, &in, 0, VT_R4))) {
    fOut = fDefault;
    return false;
  }
  fOut = out.fltVal;
  return exists;
}

bool CIniFile::MakeEdit(const std::string& strSection, const std::string& strKey, const std::string& strValue,
                        Edit& edit) {
  edit.section = TrimText(strSection);
  edit.key = TrimText(strKey);
  edit.value = TrimText(strValue);
  const std::string& section = edit.section;
  const std::string& key = edit.key;
  if (section.empty() || HasLineBreak(section) || section.find(']') != std::string::npos) {
    m_strLastError = "Invalid section name \"" + strSection + "\" for \"" + m_strPath + "\".";
    return false;
  }
  if (key.empty() || HasLineBreak(key) || key.find('=') != std::string::npos || key[0] == '[' ||
      key[0] == ';') {
    m_strLastError = "Invalid key name \"" + strKey + "\" in section [" + section + "] of \"" + m_strPath + "\".";
    return false;
  }
  if (HasLineBreak(edit.value)) {
    m_strLastError = "The value of " + key + " in section [" + section + "] holds a line break.";
    return false;
  }
  return true;
}

bool CIniFile::WriteString(const std::string& strSection, const std::string& strKey,
                           const std::string& strValue) {
  Edit edit;
  {
    std::lock_guard lock(m_mutex);
    if (!MakeEdit(strSection, strKey, strValue, edit)) return false;
    if (m_nBatchDepth > 0 && m_batchOwner == std::this_thread::get_id()) {
      if (m_pending.empty()) m_bViewValid = false;
      if (m_bViewValid) ApplyEdit(m_view, edit);
      // A key written again keeps only its last value, so one changed and
      // changed back leaves the file alone.
      for (Edit& held : m_pending) {
        if (EqualNoCase(held.section, edit.section) && EqualNoCase(held.key, edit.key)) {
          held.value = edit.value;
          return true;
        }
      }
      m_pending.push_back(std::move(edit));
      return true;
    }
    // A write that changes nothing takes no lock, so a start that only
    // writes what the file holds never waits for another program.
    if (m_held.empty() && !ChangesFile({edit})) return true;
  }
  // Other writers, in this process or another, wait until the file is
  // replaced; the cache is brought up to date under the lock.
  CFileLock fileLock(m_strPath, LockWaitMs());
  std::string box;
  bool ok = true;
  {
    std::lock_guard lock(m_mutex);
    ok = fileLock.IsHeld() ? WriteUnderLock({edit}) : HoldForRetry({edit}, fileLock, &box);
  }
  if (!box.empty()) AfxMessageBox(box, MB_OK | MB_ICONEXCLAMATION);
  return ok;
}

bool CIniFile::WouldChange(const std::vector<Line>& lines, const Edit& edit) {
  const int key = FindKey(lines, FindSection(lines, edit.section), edit.key);
  return key < 0 || Unquote(lines[static_cast<size_t>(key)].value) != Unquote(edit.value);
}

bool CIniFile::ChangesFile(const std::vector<Edit>& edits) const {
  if (edits.empty()) return false;
  Refresh();
  // A file that cannot be read is left to the write, which says so.
  if (!m_strReadError.empty()) return true;
  for (const Edit& edit : edits)
    if (WouldChange(m_lines, edit)) return true;
  return false;
}

bool CIniFile::WriteUnderLock(const std::vector<Edit>& edits) {
  std::vector<Edit> all = m_held;
  all.insert(all.end(), edits.begin(), edits.end());
  if (all.empty()) return true;
  if (!ReplaceFile(all)) return false;
  m_held.clear();
  m_bViewValid = false;
  return true;
}

int CIniFile::LockWaitMs() const { return CFileLock::HasWaitRunOut(m_strPath) ? 0 : -1; }

void CIniFile::ScheduleRetry() {
  if (m_bRetryScheduled) return;
  m_bRetryScheduled = true;
  PostToUiThreadAfter(kRetryMs, [link = m_pRetry] {
    std::lock_guard lock(link->mutex);
    if (link->pIni) link->pIni->RetryHeld();
  });
}

void CIniFile::RetryHeld() {
  {
    std::lock_guard lock(m_mutex);
    m_bRetryScheduled = false;
    if (m_held.empty()) return;
  }
  CFileLock fileLock(m_strPath, 0);
  std::lock_guard lock(m_mutex);
  if (!fileLock.IsHeld()) {
    ScheduleRetry();
    return;
  }
  // A write that fails for another reason (a read-only file) keeps the
  // changes for the next write, which reports it; no retry loops on it.
  WriteUnderLock({});
}

std::string CIniFile::HeldChangesText() const {
  constexpr size_t kShown = 20;
  std::string text;
  for (size_t i = 0; i < m_held.size() && i < kShown; ++i)
    text += "[" + m_held[i].section + "] " + m_held[i].key + "=" + m_held[i].value + "\n";
  if (m_held.size() > kShown) text += "... and " + std::to_string(m_held.size() - kShown) + " more\n";
  return text;
}

bool CIniFile::HoldForRetry(const std::vector<Edit>& edits, const CFileLock& fileLock, std::string* pBox) {
  for (const Edit& edit : edits) {
    bool known = false;
    for (Edit& held : m_held) {
      if (EqualNoCase(held.section, edit.section) && EqualNoCase(held.key, edit.key)) {
        held.value = edit.value;
        known = true;
      }
    }
    if (!known) m_held.push_back(edit);
  }
  m_bViewValid = false;
  m_strLastError = "A change of \"" + m_strPath + "\" cannot be written now:\n" + fileLock.GetError() +
                   "\n\nThe change is kept by the program and written as soon as the lock is free.";
  // One box per hold: the write whose wait ran out says it; the writes
  // after it only try the lock, and say nothing.
  if (fileLock.HasWaitRunOut() && pBox) *pBox = m_strLastError;
  ScheduleRetry();
  return true;
}

bool CIniFile::ReplaceFile(const std::vector<Edit>& edits) {
  Refresh();
  // A file that exists but cannot be read must not be replaced by one that
  // holds only these keys: every other setting would be lost.
  if (!m_strReadError.empty()) {
    const Edit& first = edits.front();
    const std::string others =
        edits.size() > 1 ? " and " + std::to_string(edits.size() - 1) + " other keys are" : " is";
    m_strLastError = m_strReadError + "\nThe key " + first.key + " of section [" + first.section + "]" + others +
                     " not written, so the file keeps its other settings.";
    return false;
  }
  std::vector<Line> lines = m_lines;
  bool changed = false;
  for (const Edit& edit : edits) changed = ApplyEdit(lines, edit) || changed;
  if (!changed) return true;

  const std::string content = Serialize(lines);
  std::string error;
  if (!WriteFileAtomic(m_strPath, content, &error)) {
    m_strLastError = error;
    return false;
  }
  // The cache now holds what was written. The file is a new one (renamed
  // into place), so any later replacement shows in its stamp.
  m_lines = std::move(lines);
  m_bViewValid = false;
  m_strRaw = content;
  m_bLoaded = true;
  m_stamp = StampFile(m_strPath);
  m_bRacy = false;
  return true;
}

bool CIniFile::BeginBatch() {
  std::lock_guard lock(m_mutex);
  if (m_nBatchDepth > 0 && m_batchOwner != std::this_thread::get_id()) return false;
  ++m_nBatchDepth;
  m_batchOwner = std::this_thread::get_id();
  return true;
}

bool CIniFile::EndBatch() {
  {
    std::lock_guard lock(m_mutex);
    if (m_nBatchDepth > 1) {
      --m_nBatchDepth;
      return true;
    }
    if (m_held.empty() && !ChangesFile(m_pending)) {
      CloseBatch();
      return true;
    }
  }
  // The batch stays open (for this thread alone) until the lock is taken,
  // so no other thread's batch starts in between.
  CFileLock fileLock(m_strPath, LockWaitMs());
  std::string box;
  bool ok = true;
  {
    std::lock_guard lock(m_mutex);
    const std::vector<Edit> edits = std::move(m_pending);
    CloseBatch();
    if (!edits.empty() || !m_held.empty())
      ok = fileLock.IsHeld() ? WriteUnderLock(edits) : HoldForRetry(edits, fileLock, &box);
  }
  if (!box.empty()) AfxMessageBox(box, MB_OK | MB_ICONEXCLAMATION);
  return ok;
}

void CIniFile::CloseBatch() {
  m_pending.clear();
  m_bViewValid = false;
  m_nBatchDepth = 0;
  m_batchOwner = std::thread::id();
}

CIniFile::CBatch::CBatch(CIniFile* pIni) {
  if (pIni != nullptr && pIni->BeginBatch()) m_pIni = pIni;
}

CIniFile::CBatch::~CBatch() {
  // The writes belong to the action that made them even when it ended by
  // an exception. Only a test's simulated crash throws here; the file is
  // then as that crash leaves it.
  try {
    Commit();
  } catch (...) {
  }
}

bool CIniFile::CBatch::Commit() {
  CIniFile* ini = m_pIni;
  m_pIni = nullptr;
  return ini == nullptr || ini->EndBatch();
}

bool CIniFile::WriteInt(const std::string& strSection, const std::string& strKey, int nValue) {
  return WriteString(strSection, strKey, IntToText(nValue));
}

bool CIniFile::WriteFloat(const std::string& strSection, const std::string& strKey, float fValue) {
  return WriteString(strSection, strKey, FloatToShortestText(fValue));
}

bool CIniFile::HasSection(const std::string& strSection) const {
  std::lock_guard lock(m_mutex);
  Refresh();
  const std::vector<Line>& lines = View();
  const int section = FindSection(lines, TrimText(strSection));
  if (section < 0) return false;
  for (size_t i = static_cast<size_t>(section) + 1; i < lines.size(); ++i) {
    if (lines[i].kind == Line::kSection) break;
    if (lines[i].kind == Line::kKey) return true;
  }
  return false;
}

std::vector<std::string> CIniFile::GetSectionNames() const {
  std::lock_guard lock(m_mutex);
  Refresh();
  std::vector<std::string> names;
  for (const Line& line : View()) {
    if (line.kind != Line::kSection) continue;
    bool seen = false;
    for (const std::string& n : names) seen = seen || EqualNoCase(n, line.name);
    if (!seen) names.push_back(line.name);
  }
  return names;
}

std::vector<std::string> CIniFile::GetKeyNames(const std::string& strSection) const {
  std::lock_guard lock(m_mutex);
  Refresh();
  std::vector<std::string> names;
  const std::vector<Line>& lines = View();
  const int section = FindSection(lines, TrimText(strSection));
  if (section < 0) return names;
  for (size_t i = static_cast<size_t>(section) + 1; i < lines.size(); ++i) {
    if (lines[i].kind == Line::kSection) break;
    if (lines[i].kind == Line::kKey) names.push_back(lines[i].name);
  }
  return names;
}

std::string CIniFile::GetLastError() const {
  std::lock_guard lock(m_mutex);
  return m_strLastError;
}

std::string CIniFile::GetReadError() const {
  std::lock_guard lock(m_mutex);
  Refresh();
  return m_strReadError;
}

unsigned CIniFile::GetDiskReadCount() const {
  std::lock_guard lock(m_mutex);
  return m_nDiskReads;
}
