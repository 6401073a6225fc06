// CIniFile: named sections and keys of a settings file in the private-
// profile form ("[Section]" lines, "Key=Value" lines). Section and key
// names are trimmed and compare without case, values are read trimmed,
// without one pair of surrounding double quotes and at most 255 characters
// long, a missing key reads as the default, and a write happens only when
// the text differs. A write locks the file against other processes
// (CFileLock), reads it again under the lock when it changed, and replaces
// it atomically, so neither a crash nor a second writer loses a setting.
// Reads come from a cache kept while the file's inode, size and
// nanosecond change times stay the same.
// Thread-safety: every member may be called from any thread.
#pragma once

#include <mutex>
#include <string>
#include <vector>

class CIniFile {
 public:
  static constexpr size_t kMaxValueLength = 255;

  explicit CIniFile(std::string strFullPath);
  CIniFile(const CIniFile&) = delete;
  CIniFile& operator=(const CIniFile&) = delete;

  const std::string& GetFilePath() const { return m_strPath; }

  // The value of the key (trimmed, at most 255 bytes, never splitting a
  // UTF-8 character), or strDefault when the key is missing. False only
  // when the file does not exist (or cannot be read); out is then the
  // default.
  bool ReadString(const std::string& strSection, const std::string& strKey, std::string& strOut,
                  const std::string& strDefault = "") const;
  // The value converted to a number; the default (given as a number) when
  // the key is missing. A text that is not wholly a number ("6x0") reads
  // as the default and gives false, as does a missing file.
  bool ReadInt(const std::string& strSection, const std::string& strKey, int& nOut,
               int nDefault = 0) const;
  bool ReadFloat(const std::string& strSection, const std::string& strKey, float& fOut,
                 float fDefault = 0.0f) const;

  // Writes the (trimmed) value unless the file already holds that text.
  // True when equal or written; false for a name or value that cannot be
  // stored (empty or holding a line break, a section name with ']', a key
  // with '='), a read-only file or a failed write (GetLastError says why).
  bool WriteString(const std::string& strSection, const std::string& strKey,
                   const std::string& strValue);
  bool WriteInt(const std::string& strSection, const std::string& strKey, int nValue);    // "%d"
  bool WriteFloat(const std::string& strSection, const std::string& strKey, float fValue);  // shortest exact text

  // True when the section holds at least one key line.
  bool HasSection(const std::string& strSection) const;
  // The sections in file order (first occurrences), and the keys of one.
  std::vector<std::string> GetSectionNames() const;
  std::vector<std::string> GetKeyNames(const std::string& strSection) const;

  // Why the last failed write failed.
  std::string GetLastError() const;
  // Why the file, which exists, cannot be read; empty when it can be read
  // or does not exist.
  std::string GetReadError() const;
  // How many times the file's content was read from disk (the cache's misses).
  unsigned GetDiskReadCount() const;

 private:
  // One line of the file as it stands, with what it means.
  struct Line {
    enum Kind { kOther, kSection, kKey } kind = kOther;
    std::string text;   // the raw line, without its line end
    std::string name;   // section or key name, trimmed
    std::string value;  // key value, trimmed (not capped)
  };
  // What identifies the file's content on disk.
  struct FileStamp {
    bool exists = false;
    unsigned long long device = 0, inode = 0, size = 0;
    long long mtimeNs = 0, ctimeNs = 0;
    bool operator==(const FileStamp&) const = default;
  };

  static FileStamp StampFile(const std::string& path);
  // True while a change of the file could still leave its stamp as it is
  // (the file system's clock is coarse): it changed too shortly before it
  // was read. Caller holds m_mutex.
  bool IsRacy() const;
  // Brings the cache up to date with the file. Caller holds m_mutex.
  void Refresh() const;
  void Parse(const std::string& content) const;
  // Index of the section's header line, or -1; and of a key inside it.
  int FindSection(const std::string& strSection) const;
  int FindKey(int nSection, const std::string& strKey) const;
  std::string Serialize() const;

  const std::string m_strPath;
  mutable std::mutex m_mutex;
  // The cache: the file's raw content and lines as last read or written.
  mutable bool m_bLoaded = false;
  mutable bool m_bRacy = false;  // changed too shortly before the read to trust the stamp alone
  mutable FileStamp m_stamp;
  mutable long long m_nReadTimeNs = 0;  // when the content was last read from disk
  mutable unsigned m_nDiskReads = 0;
  mutable std::string m_strRaw;
  mutable std::vector<Line> m_lines;
  mutable bool m_bBom = false;             // the file starts with a UTF-8 byte-order mark
  mutable std::string m_strEol = "\r\n";   // the file's line end
  mutable std::string m_strReadError;      // why the existing file could not be read, if so
  std::string m_strLastError;
};
