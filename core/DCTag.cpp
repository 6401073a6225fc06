#include "core/DCTag.h"

#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <iterator>

#include "core/DataCenterBase.h"
#include "core/VekUtils.h"
#include "links/VarTypeNames.h"
#include "platform/Wnd.h"

namespace {

constexpr const char* kHWTypeNames[] = {"NULL", "OPC", "ADV", "SRL"};
constexpr const char* kIOTypeNames[] = {"NULL", "INPUT", "OUTPUT", "DUPLEX"};

// The value a tag of the type holds before its first value: the typed zero
// of a plain type, empty for "Null" and the array forms.
VARIANT InitialValue(VARTYPE vt) {
  VARIANT v;
  if (vt == VT_EMPTY || vt == VT_NULL || (vt & VT_ARRAY)) {
    v.vt = vt == VT_NULL ? VT_NULL : VT_EMPTY;
    return v;
  }
  const VARIANT empty;
  if (FAILED(VariantChangeType(&v, &empty, 0, vt))) v = VARIANT{};
  return v;
}

// The index of name in a type-name table, into *pType when given.
template <size_t N>
bool TypeFromName(const char* const (&names)[N], const std::string& name, int* pType) {
  for (size_t i = 0; i < N; ++i) {
    if (name == names[i]) {
      if (pType) *pType = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

std::string ValueText(const VARIANT& v) {
  if (v.vt == VT_NULL) return "NULL";
  return VariantToText(v);
}

}  // namespace

CDCTag::CDCTag(CDataCenterBase* pOwner, const TagDefinition& def, int nIndex)
    : m_pOwner(pOwner),
      m_def(def),
      m_nTagIndex(nIndex),
      m_vtDataType(def.vtDataType),
      m_vData(InitialValue(def.vtDataType)),
      m_vMin(VariantNull()),
      m_vMax(VariantNull()) {
  if (def.nDataStackSize > 0) SetSize(def.nDataStackSize);
}

CDCTag::~CDCTag() = default;

std::string CDCTag::GetAccessPath() const {
  return m_def.strAccessPath.empty() ? std::string("NULL") : m_def.strAccessPath;
}

std::string CDCTag::GetHWTypeName(int nType) {
  return nType >= 0 && nType < static_cast<int>(std::size(kHWTypeNames)) ? kHWTypeNames[nType] : "";
}

std::string CDCTag::GetIOTypeName(int nType) {
  return nType >= 0 && nType < static_cast<int>(std::size(kIOTypeNames)) ? kIOTypeNames[nType] : "NULL";
}

bool CDCTag::HWTypeFromName(const std::string& name, int* pType) {
  return TypeFromName(kHWTypeNames, name, pType);
}

bool CDCTag::IOTypeFromName(const std::string& name, int* pType) {
  return TypeFromName(kIOTypeNames, name, pType);
}

bool CDCTag::SetTagData(const VARIANT* pNew) {
  if (!pNew) return false;
  if (m_vData.vt == VT_DATE) {
    if (VariantToDouble(*pNew) == m_vData.date) return false;
  } else if (m_vData.vt == VT_NULL && pNew->vt == VT_NULL) {
    return false;
  } else if (m_vData.vt == pNew->vt && VarCmp(&m_vData, pNew) == VARCMP_EQ) {
    return false;
  }
  if (m_vtDataType == VT_EMPTY) {
    if (pNew->vt == VT_EMPTY) return false;
    m_vtDataType = pNew->vt;
    NotifyViewers(eNoticeDataType);
  }
  if (pNew->vt != m_vtDataType) return false;
  m_vData = *pNew;
  NotifyViewers(eNoticeValue);
  return true;
}

void CDCTag::SetRange(VARIANT& target, const VARIANT* pNew, int nCode) {
  if (!pNew) return;
  VARIANT value = *pNew;
  // The range is kept in the tag's data type; a value that does not
  // convert is dropped.
  const bool plainType = m_vtDataType != VT_EMPTY && m_vtDataType != VT_NULL && !(m_vtDataType & VT_ARRAY);
  if (plainType && value.vt != VT_NULL && value.vt != m_vtDataType &&
      FAILED(VariantChangeType(&value, pNew, 0, m_vtDataType)))
    return;
  if (VariantIdentical(target, value)) return;
  target = value;
  NotifyViewers(nCode);
}

void CDCTag::SetMinTag(const VARIANT* pMin) { SetRange(m_vMin, pMin, eNoticeMinimum); }
void CDCTag::SetMaxTag(const VARIANT* pMax) { SetRange(m_vMax, pMax, eNoticeMaximum); }

void CDCTag::SetAuxText(const std::string& text) {
  if (text == m_strAuxText) return;
  m_strAuxText = text;
  NotifyViewers(eNoticeAuxText);
}

void CDCTag::SetReadPending(bool bPending) {
  if (bPending && !IsHardwareLinked()) bPending = false;
  if (bPending == m_bReadPending) return;
  m_bReadPending = bPending;
  if (m_pOwner) m_pOwner->OnTagPendingChanged(eNoticeReadPending, bPending);
  NotifyViewers(eNoticeReadPending);
}

void CDCTag::SetWritePending(bool bPending) {
  if (bPending && (!IsHardwareLinked() || (GetIOType() != eIOOutput && GetIOType() != eIODuplex)))
    bPending = false;
  if (bPending == m_bWritePending) return;
  m_bWritePending = bPending;
  if (m_pOwner) m_pOwner->OnTagPendingChanged(eNoticeWritePending, bPending);
  NotifyViewers(eNoticeWritePending);
}

void CDCTag::AddViewer(CWnd* pWnd) {
  if (!pWnd || !CWnd::IsWindow(pWnd->m_hWnd)) return;
  if (std::find(m_viewers.begin(), m_viewers.end(), pWnd->m_hWnd) != m_viewers.end()) return;
  m_viewers.push_back(pWnd->m_hWnd);
  for (int code = eNoticeFirst; code <= eNoticeLast; ++code)
    CWnd::PostMessage(pWnd->m_hWnd, WM_DCTAG_NOTICE, reinterpret_cast<WPARAM>(this), code);
}

void CDCTag::RemoveViewer(CWnd* pWnd) {
  if (!pWnd) return;
  std::erase(m_viewers, pWnd->m_hWnd);
}

void CDCTag::NotifyViewers(int nCode) {
  // A window that is gone refuses the post and leaves the list.
  std::erase_if(m_viewers, [&](HWND__* hWnd) {
    return !CWnd::PostMessage(hWnd, WM_DCTAG_NOTICE, reinterpret_cast<WPARAM>(this), nCode);
  });
}

std::string CDCTag::GetInfoText() const {
  std::string text = "\n--- DataCenter Tag ----\n";
  text += "--- DCT-File Info ----\n";
  text += FormatText("LineNumberInDCTFile: %d\n", m_def.nLineNumber);
  text += FormatText("TagID: %d\n", m_def.nTagId);
  text += "TagName: " + m_def.strTagName + "\n";
  text += "eHWType: " + GetHWTypeName(m_def.nHWType) + "\n";
  text += "AccessPath: " + GetAccessPath() + "\n";
  text += "eIOType: " + GetIOTypeName(m_def.nIOType) + "\n";
  text += "eDataType (ChangeAble): " + VarTypeToName(m_vtDataType) + "\n";
  text += "DataExpression: " + m_def.strDataExpression + "\n";
  text += FormatText("DataStackSize: %d\n", m_def.nDataStackSize);
  text += FormatText("PortValuePrecision: %d\n", m_def.nPortValuePrecision);
  text += "\n--- Runtime Info ----\n";
  text += FormatText("TagData: %s\n", ValueText(m_vData).c_str());
  text += FormatText("MinTag: %s,  ", ValueText(m_vMin).c_str());
  text += FormatText("MaxTag: %s\n", ValueText(m_vMax).c_str());
  text += FormatText("WritePending: %d\n", m_bWritePending ? 1 : 0);
  text += FormatText("ReadPending: %d\n", m_bReadPending ? 1 : 0);
  text += FormatText("TagViewers[Wnd]Count: %d\n", GetViewerCount());
  // The whole address, in the width of a pointer.
  text += FormatText("Pointer: 0x%0*" PRIxPTR "\n", static_cast<int>(sizeof(void*) * 2),
                     reinterpret_cast<std::uintptr_t>(this));
  return text;
}
