// CIniFile: named sections and keys of a settings file in the private-
// profile form ("[Section]" lines, "Key=Value" lines). Section and key
// names are trimmed and compare without case, values are read trimmed,
// without one pair of surrounding double quotes and at most 255 characters
// long, a missing key reads as the default, and a write happens only when
// the text differs. A write that changes the file locks it against other
// processes (CFileLock), reads it again under the lock when it changed,
// and replaces it atomically, so neither a crash nor a second writer
// loses a setting; a write that changes nothing takes no lock. When
// another program holds the lock longer than the lock's wait, one box
// names the lock file (and the process holding it, where the system says)
// and the change is kept in memory, seen by every read. Until the lock has
// been had again, later writes only try it, so one hold costs one wait
// however many writes come; what is kept is written by the first write
// that gets the lock, or by a retry on the user-interface thread every
// second, and at the latest when the object goes (after one more wait;
// a box then names every change that could not be written).
// Reads come from a cache kept while the file's inode, size and
// nanosecond change times stay the same. Many keys written in one action
// go through a CBatch, which replaces the file once for all of them.
// Thread-safety: every member may be called from any thread.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CFileLock;

class CIniFile {
 public:
  static constexpr size_t kMaxValueLength = 255;

  // How often kept changes try the lock again.
  static constexpr unsigned kRetryMs = 1000;

  explicit CIniFile(std::string strFullPath);
  // Writes changes still kept for a retry, waiting for the lock once more
  // (once per file and process); what cannot be written is named in a box.
  ~CIniFile();
  CIniFile(const CIniFile&) = delete;
  CIniFile& operator=(const CIniFile&) = delete;

  // The writes of one action, applied together. While a batch is open, the
  // writes that the thread which opened it makes through this CIniFile are
  // kept in memory (every read sees them at once) and its end applies them
  // all in one locked read-change-replace of the file, just as one write
  // does: the file is read again under the lock, a key is changed only
  // when its text differs, and the file is replaced atomically (once, and
  // only when something changed), so a crash leaves the old or the new
  // file and another process's write meanwhile is kept. A batch opened
  // while one is open in the same thread joins it: the outermost end
  // writes. Writes of other threads are not held back (they go to the
  // file at once), and a batch that another thread opens meanwhile
  // batches nothing. Names and values that cannot be stored are refused at
  // the write itself; a failure of the file shows at the end. Open a batch
  // for the keys of one user action only, so no write waits past it.
  // A batch belongs to the thread that made it and must not outlive its
  // CIniFile.
  class CBatch {
   public:
    // A null file makes a batch that does nothing.
    explicit CBatch(CIniFile* pIni);
    // Applies the writes unless Commit did; a failure is then left in the
    // file's GetLastError.
    ~CBatch();
    CBatch(const CBatch&) = delete;
    CBatch& operator=(const CBatch&) = delete;

    // Ends the batch now and applies its writes: true when the file holds
    // them (or nothing was written); false with GetLastError saying why,
    // the same text one failed write gives, and the file as it was. A
    // batch that joined an outer one, did nothing or ended already gives
    // true.
    bool Commit();

   private:
    CIniFile* m_pIni = nullptr;  // the file while the batch is open and counted there
  };

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
  // True when equal or written, or kept for the next write after the box
  // said the file's lock is held elsewhere; false for a name or value that cannot be
  // stored (empty or holding a line break, a section name with ']', a key
  // with '='), a read-only file or a failed write (GetLastError says why).
  // Inside a batch of this thread the value is held until the batch ends
  // (true unless the name or value cannot be stored).
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
  // One write: trimmed names and value that can be stored.
  struct Edit {
    std::string section, key, value;
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
  // The lines that reads see: the cache with the batch's writes applied.
  // Caller holds m_mutex and has refreshed the cache.
  const std::vector<Line>& View() const;
  // Index of the section's header line, or -1; and of a key inside it.
  static int FindSection(const std::vector<Line>& lines, const std::string& strSection);
  static int FindKey(const std::vector<Line>& lines, int nSection, const std::string& strKey);
  // Sets the key in lines; false when it holds that value already.
  static bool ApplyEdit(std::vector<Line>& lines, const Edit& edit);
  std::string Serialize(const std::vector<Line>& lines) const;
  // Checks and trims a write; false (and m_strLastError) when it cannot be
  // stored. Caller holds m_mutex.
  bool MakeEdit(const std::string& strSection, const std::string& strKey, const std::string& strValue,
                Edit& edit);
  // Reads the file again, applies the writes and replaces the file when
  // anything changed. Caller holds the file's CFileLock and m_mutex.
  bool ReplaceFile(const std::vector<Edit>& edits);
  // A batch's start (false: another thread's batch is open) and end.
  bool BeginBatch();
  bool EndBatch();
  // Forgets the batch's writes and closes it. Caller holds m_mutex.
  void CloseBatch();
  // True when the edit would change the lines.
  static bool WouldChange(const std::vector<Line>& lines, const Edit& edit);
  // True when the edits would change the file (or it cannot be read).
  // Caller holds m_mutex.
  bool ChangesFile(const std::vector<Edit>& edits) const;
  // The held writes and these written under the file's lock. Caller holds
  // the lock and m_mutex.
  bool WriteUnderLock(const std::vector<Edit>& edits);
  // Keeps the writes for a retry, when the lock could not be had; the
  // box's text goes to *pBox when the lock's wait ran out (a try that
  // fails shows nothing). Caller holds m_mutex.
  bool HoldForRetry(const std::vector<Edit>& edits, const CFileLock& lock, std::string* pBox);
  // The wait for the file's lock: none while a wait for it has run out
  // and it has not been had since, else the lock's usual wait.
  int LockWaitMs() const;
  // Asks for RetryHeld on the user-interface thread. Caller holds m_mutex.
  void ScheduleRetry();
  // Tries the lock and writes the kept changes when it is free.
  void RetryHeld();
  // The kept changes as "[Section] Key=Value" lines. Caller holds m_mutex.
  std::string HeldChangesText() const;

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
  // The open batch: its nesting depth in the thread that owns it and the
  // writes held for its end, in order. The view is the cache's lines with
  // those writes applied, valid while m_bViewValid; reads use it while
  // writes are held.
  int m_nBatchDepth = 0;
  std::thread::id m_batchOwner;
  std::vector<Edit> m_pending;
  // Writes kept because another program held the file's lock: seen by
  // reads, written first at the next write that gets the lock.
  std::vector<Edit> m_held;
  bool m_bRetryScheduled = false;  // a RetryHeld is on its way
  // The retries' way back to this object: cleared (under its mutex) when
  // the object goes, so a retry that comes later does nothing.
  struct RetryLink {
    std::mutex mutex;
    CIniFile* pIni = nullptr;
  };
  std::shared_ptr<RetryLink> m_pRetry;
  mutable std::vector<Line> m_view;
  mutable bool m_bViewValid = false;
};
