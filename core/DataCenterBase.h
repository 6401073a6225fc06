// CDataCenterBase: the tags of the program, loaded once from the tag file
// and owned here for the program's life, found by index or by name. It
// counts the tags that are read- or write-pending and tells the engine's
// main window (WM_DATACENTER_PENDING) when "some tag is pending" changes.
// Thread-safety: loading, look-ups and the tags themselves belong to the
// user-interface thread; the pending counts may be read from any thread.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/DCTag.h"
#include "core/TagFile.h"

class CWnd;
struct HWND__;

class CDataCenterBase {
 public:
  // Result codes of the data center's operations.
  enum eResult : int {
    eResultOk = 0,                 // "Operation succeeds."
    eResultUnknownError = 1,       // "Unknown Error!"
    eResultAccessDenied = 2,       // "Access Denied!"
    eResultInvalidParameter = 3,   // "Invalid Parameter!"
    eResultOutOfRange = 4,         // "Parameter is out of range!!"
    eResultFileNotFound = 5,       // "File not found!"
    eResultInvalidFileVersion = 6, // "Invalid File Version!"
    eResultDuplicated = 7,         // "Found duplicated item!"
  };
  // The text of a result code; "Unknown Error!" for a code outside 0-7.
  static std::string GetResultText(int nResult);

  CDataCenterBase();
  virtual ~CDataCenterBase();
  CDataCenterBase(const CDataCenterBase&) = delete;
  CDataCenterBase& operator=(const CDataCenterBase&) = delete;

  // Loads the tag file. All or nothing: on any fault no tag is loaded, the
  // result code of the first fault is returned and GetLastErrorText names
  // every faulty line (file, line, field). A file without any tag line
  // (empty, or not a tag file) is refused as eResultInvalidFileVersion, a
  // folder in the file's place as eResultFileNotFound ("is a folder").
  // Refused (eResultAccessDenied) once tags are loaded: attributes hold
  // their tags for the program's life.
  int LoadTagFile(const std::string& strPath);
  // The same from text already read (fileName names it in messages).
  int LoadTagText(const std::string& content, const std::string& fileName);
  // The message of the last failed load, ending "Please update DCT file.".
  const std::string& GetLastErrorText() const { return m_strLastError; }

  // The tags in tag-file order; null for an index out of range.
  int GetTagCount() const { return static_cast<int>(m_tags.size()); }
  CDCTag* GetTagAt(int nIndex) const;
  // The tag of the name (case-sensitive); null when none bears it.
  CDCTag* FindTag(const std::string& strName) const;
  // As FindTag; "", "_NO_DCTAG_" and "~~~~~~~~~~" give null quietly, any
  // other unknown name gives null and the shared error box (unless Shift is
  // held; Cancel ends the program with exit code 321).
  CDCTag* FindTagOrWarn(const std::string& strName) const;
  // True when some tag has the hardware type.
  bool HasTagsOfHWType(int nHWType) const;

  // The window that receives WM_DATACENTER_PENDING (the engine's main window).
  void SetNotifyWnd(CWnd* pWnd);
  // Tags read- or write-pending now. Any thread.
  int GetTotalReadPending() const { return m_nTotalReadPending.load(); }
  int GetTotalWritePending() const { return m_nTotalWritePending.load(); }
  // The two "no tag pending" events: set while no tag is pending.
  bool IsNoReadPending() const { return GetTotalReadPending() == 0; }
  bool IsNoWritePending() const { return GetTotalWritePending() == 0; }
  // Sets or clears a flag on every tag (each tag keeps its own rules).
  void SetAllReadPending(bool bPending);
  void SetAllWritePending(bool bPending);

  // Called by a tag whose pending flag changed (nCode 12 read, 13 write).
  void OnTagPendingChanged(int nCode, bool bNowPending);

 private:
  std::vector<std::unique_ptr<CDCTag>> m_tags;
  std::unordered_map<std::string, CDCTag*> m_byName;
  HWND__* m_hNotifyWnd = nullptr;
  std::atomic<int> m_nTotalReadPending{0};
  std::atomic<int> m_nTotalWritePending{0};
  std::string m_strLastError;
};
