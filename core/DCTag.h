// CDCTag: one tag of the data center. It carries a value of its data type
// with a minimum and a maximum, the read- and write-pending flags of its
// hardware link, the tag file's description of it, and a list of viewer
// windows to which it posts its change notices (WM_DCTAG_NOTICE). It is
// itself a sample stack (CVStack), used when the file gives it a data
// stack.
// Thread-safety: the value, the flags and the viewer list belong to the
// user-interface thread (the engine's workers do their model work there);
// the stack part may be used from any thread.
#pragma once

#include <string>
#include <vector>

#include "core/CoreMessages.h"
#include "core/TagFile.h"
#include "core/VStack.h"
#include "platform/Variant.h"

class CWnd;
class CDataCenterBase;
struct HWND__;

class CDCTag : public CVStack {
 public:
  enum eHWType { eHWNull = 0, eHWOpc = 1, eHWAdv = 2, eHWSrl = 3 };
  enum eIOType { eIONull = 0, eIOInput = 1, eIOOutput = 2, eIODuplex = 3 };

  // A tag made from its tag-file line; nIndex is its 0-based place in the
  // file's tags. pOwner (may be null) keeps the data center's pending counts.
  CDCTag(CDataCenterBase* pOwner, const TagDefinition& def, int nIndex);
  ~CDCTag() override;

  // ---- Tag-file description ---------------------------------------------
  int GetTagIndex() const { return m_nTagIndex; }
  int GetLineNumber() const { return m_def.nLineNumber; }
  int GetTagId() const { return m_def.nTagId; }
  const std::string& GetTagName() const { return m_def.strTagName; }
  std::string GetAccessPath() const;  // "NULL" when empty
  int GetHWType() const { return m_def.nHWType; }
  int GetIOType() const { return m_def.nIOType; }
  bool IsHardwareLinked() const { return m_def.nHWType != eHWNull; }
  const std::string& GetDataExpression() const { return m_def.strDataExpression; }
  int GetDataStackSize() const { return m_def.nDataStackSize; }
  int GetPortValuePrecision() const { return m_def.nPortValuePrecision; }

  // "NULL", "OPC", "ADV", "SRL"; any other type an empty text.
  static std::string GetHWTypeName(int nType);
  // "NULL", "INPUT", "OUTPUT", "DUPLEX"; any other type "NULL".
  static std::string GetIOTypeName(int nType);
  // The reverse, exact names; false for any other text.
  static bool HWTypeFromName(const std::string& name, int* pType);
  static bool IOTypeFromName(const std::string& name, int* pType);

  // ---- Value ----------------------------------------------------------------
  // The data type; 0 until the file or the first value sets it.
  VARTYPE GetDataType() const { return m_vtDataType; }
  const VARIANT* GetTagData() const { return &m_vData; }
  // Takes a new value: nothing when it equals the current one (a current
  // VT_DATE compared as a double, two VT_NULL equal, else the same type
  // and VarCmp equal); a tag of data type 0 first takes the value's type
  // (notice 6; an empty value then changes nothing more); a value of any
  // other type than the data type is dropped; otherwise it is copied and
  // notice 2 posted. True when the value was taken.
  bool SetTagData(const VARIANT* pNew);

  // Minimum and maximum (VT_NULL until given), kept in the tag's data type
  // (a value that does not convert is dropped). A setter copies only a
  // different value and then posts notice 3 (minimum) or 4 (maximum).
  const VARIANT* GetMinTag() const { return &m_vMin; }
  const VARIANT* GetMaxTag() const { return &m_vMax; }
  void SetMinTag(const VARIANT* pMin);
  void SetMaxTag(const VARIANT* pMax);

  // The auxiliary text a link may attach (notice 14 on change).
  const std::string& GetAuxText() const { return m_strAuxText; }
  void SetAuxText(const std::string& text);

  // ---- Pending flags ----------------------------------------------------------
  bool IsReadPending() const { return m_bReadPending; }
  bool IsWritePending() const { return m_bWritePending; }
  // A true request stays set only on a hardware-linked tag (write-pending:
  // also only with IO type OUTPUT or DUPLEX). A change posts notice 12
  // (read) or 13 (write) and updates the data center's counts.
  void SetReadPending(bool bPending);
  void SetWritePending(bool bPending);

  // ---- Viewers ----------------------------------------------------------------
  // Adds a live window once and posts it every notice code 0 to 15; a
  // window that does not exist, or is already a viewer, is ignored.
  void AddViewer(CWnd* pWnd);
  // Removes every occurrence of the window.
  void RemoveViewer(CWnd* pWnd);
  // Posts WM_DCTAG_NOTICE with the code to every viewer; a viewer whose
  // window is gone is dropped from the list.
  void NotifyViewers(int nCode);
  int GetViewerCount() const { return static_cast<int>(m_viewers.size()); }

  // The tag's multi-line description (tag browser, error texts).
  std::string GetInfoText() const;

 private:
  void SetRange(VARIANT& target, const VARIANT* pNew, int nCode);

  CDataCenterBase* m_pOwner;
  TagDefinition m_def;        // the tag file's line
  int m_nTagIndex;
  VARTYPE m_vtDataType;       // starts as the file's type; 0 takes the first value's
  VARIANT m_vData;            // the typed zero of the data type until a value comes
  VARIANT m_vMin;             // VT_NULL until set
  VARIANT m_vMax;
  std::string m_strAuxText;
  bool m_bReadPending = false;
  bool m_bWritePending = false;
  std::vector<HWND__*> m_viewers;  // window handles (never reused); weak
};
