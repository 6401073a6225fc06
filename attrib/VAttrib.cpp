#include "attrib/VAttrib.h"

#include "core/DCTag.h"
#include "core/DataCenterBase.h"
#include "core/ErrorBox.h"
#include "core/VStack.h"
#include "core/VekUtils.h"
#include "links/VarTypeNames.h"
#include "attrib/AttribTrendInfo.h"
#include "attrib/PlantServices.h"
#include "attrib/VAttribsPack.h"
#include "platform/Seams.h"

namespace {

constexpr int kIoTypeInput = 1;

VARIANT VariantFromTagIndex(const CDCTag* tag) {
  return VariantFromInt(tag ? tag->GetTagIndex() : -1);
}

}  // namespace

bool AttribValuesEqual(const VARIANT& a, const VARIANT& b) {
  if (a.vt == VT_NULL && b.vt == VT_NULL) return true;
  if (a.vt != b.vt) return false;
  if (a.vt == VT_BOOL) return (a.boolVal != 0) == (b.boolVal != 0);
  return VarCmp(&a, &b, LOCALE_USER_DEFAULT, 0) == VARCMP_EQ;
}

CVAttrib::CVAttrib(CVAttribsPack* owner) {
  VariantInit(&m_vValue);
  VariantInit(&m_vDefaultValue);
  Init();
  m_pOwner = owner;
}

CVAttrib::~CVAttrib() {
  m_pTrendInfo.reset();
  VariantClear(&m_vValue);
  VariantClear(&m_vDefaultValue);
}

void CVAttrib::Init() {
  m_pTag = nullptr;
  m_pOwner = nullptr;
  m_pTrendInfo.reset();
  Reset();
}

void CVAttrib::Reset() {
  m_bInitFlag = false;
  m_nId = -1;
  m_bVisible = true;
  m_nAsd = 0;
  m_bModified = false;
  m_bWritePending = false;
  m_bReadPending = false;
  m_bNegative = false;
  // The transform goes with the flag: a kept "Negative" beside a cleared
  // flag would make setting "Negative" again a no-op that negates nothing.
  m_strTagTransform.clear();
  SetName("");
  SetTagName("");
  m_vtDataType = VT_EMPTY;
  VariantClear(&m_vValue);
  VariantClear(&m_vDefaultValue);
}

void CVAttrib::SetInitFlag(bool init) {
  m_bInitFlag = init;
  SetModified(false);
}

template <typename Store>
bool CVAttrib::ChangeField(int code, const VARIANT& proposed, Store store) {
  if (!CanChange(code, &proposed)) return false;
  store();
  OnChanged(code);
  return true;
}

void CVAttrib::SetId(int id) {
  if (id == m_nId) return;
  ChangeField(AC_ID, VariantFromInt(id), [&] { m_nId = id; });
}

bool CVAttrib::IsWritePending() const { return m_pTag != nullptr && m_bWritePending; }
bool CVAttrib::IsReadPending() const { return m_pTag != nullptr && m_bReadPending; }

void CVAttrib::SetPendingFlag(bool& flag, bool pending, int code) {
  if (pending == flag) return;
  // An unbound attribute is never pending; the request is still announced.
  if (pending && m_pTag == nullptr) pending = false;
  ChangeField(code, VariantFromBool(pending), [&] { flag = pending; });
}

void CVAttrib::SetWritePending(bool pending) {
  SetPendingFlag(m_bWritePending, pending, AC_WRITE_PENDING);
}

void CVAttrib::SetReadPending(bool pending) {
  SetPendingFlag(m_bReadPending, pending, AC_READ_PENDING);
}

void CVAttrib::SetName(const std::string& name) {
  if (name == m_strName) return;
  ChangeField(AC_NAME, VariantFromString(name), [&] { m_strName = name; });
}

void CVAttrib::SetTagName(const std::string& tagName) {
  const std::string name = TrimText(tagName);
  if (name == m_strTagName) return;
  if (!ChangeField(AC_TAG_NAME, VariantFromString(name), [&] { m_strTagName = name; })) return;
  if (name.empty()) return;  // no name: nothing to look up (and nothing to warn about)
  CDataCenterBase* dataCenter = GetPlantDataCenter();
  SetTag(dataCenter ? dataCenter->FindTagOrWarn(name) : nullptr);
}

void CVAttrib::SetTag(CDCTag* tag) {
  if (tag == m_pTag) return;
  // Nothing unbinds an attribute at run time: a name that yields no tag
  // leaves a bound attribute on its tag.
  if (tag == nullptr) return;
  if (tag->GetDataType() == m_vtDataType) {
    ChangeField(AC_TAG, VariantFromTagIndex(tag), [&] { m_pTag = tag; });
    return;
  }
  if (IsShiftKeyDown()) return;
  ShowPlantConfigError("Invalid assigned Tag to Attrib (DataType mismatch)!\n\n" + FormatBindingInfo(tag),
                       "TagName", tag->GetTagName(), kExitCodeConfigError);
}

void CVAttrib::SetTagTransform(const std::string& transform) {
  std::string reason;
  if (transform == TAG_TRANSFORM_NEGATIVE) {
    if (m_pTag == nullptr) {
      reason = " - Tag-Transforming on Null-Tag is invalid!";
    } else if (m_vtDataType != VT_BOOL) {
      reason = FormatText(" - The '%s' Tag-Transforming in INi is NOT supported for '%s' Tags.",
                          TAG_TRANSFORM_NEGATIVE, VarTypeToName(m_vtDataType).c_str());
    }
  } else if (!transform.empty()) {
    reason = FormatText(" - Unrecognized Tag-Transforming: '%s' !?", transform.c_str());
  }
  if (!reason.empty()) {
    const std::string key = MakeAttribIniKey(m_strName, AP_TAG_TRANSFORM);
    ShowPlantConfigError(
        FormatText("Invalid Attrib configuration!\n %s\n\nSectionName: [%s]\nAttribName: %s = %s\n",
                   reason.c_str(), IniSectionName().c_str(), key.c_str(), transform.c_str()),
        "AttribNameEx", key, kExitCodeConfigError);
  }
  // Stored whether or not it was reported (the user chose to go on).
  if (transform == m_strTagTransform) return;
  ChangeField(AC_TAG_TRANSFORM, VariantFromString(transform), [&] {
    m_strTagTransform = transform;
    m_bNegative = (transform == TAG_TRANSFORM_NEGATIVE);
  });
}

bool CVAttrib::IsVisible() {
  if (m_pOwner != nullptr && m_nId >= 0 && m_nId < m_pOwner->GetAttribCount() &&
      m_pOwner->GetAttrib(m_nId) == this) {
    m_pOwner->LoadAttribVisible(m_nId);
  }
  return m_bVisible;
}

void CVAttrib::SetVisible(bool visible) {
  if (visible == m_bVisible) return;
  ChangeField(AC_VISIBLE, VariantFromBool(visible), [&] { m_bVisible = visible; });
}

void CVAttrib::SetAsd(int asd) {
  if (asd == m_nAsd) return;
  ChangeField(AC_ASD, VariantFromInt(asd), [&] { m_nAsd = asd; });
}

CVStack* CVAttrib::GetTrendStack() const {
  return m_pTrendInfo ? m_pTrendInfo->GetSampleStack() : nullptr;
}

void CVAttrib::PushTrendSample() {
  if (CVStack* stack = GetTrendStack()) stack->Push(&m_vValue);
}

void CVAttrib::SetDataType(VARTYPE vt) {
  if (vt == m_vtDataType) return;
  ChangeField(AC_DATA_TYPE, VariantFromInt(vt), [&] {
    m_vtDataType = vt;
    if (m_vValue.vt == VT_EMPTY) {
      VariantChangeType(&m_vValue, &m_vValue, 0, vt);
      VariantChangeType(&m_vDefaultValue, &m_vDefaultValue, 0, vt);
    }
  });
}

bool CVAttrib::CanChange(int code, const VARIANT* newValue) {
  AttribChangeRequest request;
  request.pAttrib = this;
  request.nCode = code;
  request.pNewValue = newValue;
  request.bShowMessage = true;
  LRESULT refused = 0;
  if (m_pOwner != nullptr) {
    refused = m_pOwner->SendToParent(WM_ATTRIB_CHANGING, reinterpret_cast<WPARAM>(&request), 0);
  }
  if (refused == 0 && (m_pOwner == nullptr || m_pOwner->CanChangeAttrib(this, code, newValue))) {
    return true;
  }
  if (request.bShowMessage) {
    const std::string typeName = m_pOwner ? m_pOwner->GetControlTypeName() : std::string();
    AfxMessageBox(FormatText("Error at %s operating!", typeName.c_str()) +
                      "\n\nThe change in the following Attrib is rejected.\n" +
                      FormatBindingInfo(nullptr),
                  MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
  }
  return false;
}

void CVAttrib::OnChanged(int code) {
  if (m_pOwner != nullptr) {
    m_pOwner->OnAttribChanged(this, code);
    m_pOwner->PostToParent(WM_ATTRIB_CHANGED, reinterpret_cast<WPARAM>(this), code);
    if (m_pOwner->IsWindowCreated()) m_pOwner->Invalidate(TRUE);
  }
  switch (code) {
    case AC_ID:
    case AC_NAME:
    case AC_TAG_NAME:
    case AC_TAG_TRANSFORM:
    case AC_ASD:
    case AC_VISIBLE:
    case AC_VALUE:
    case AC_DEFAULT_VALUE:
      m_bModified = true;
      break;
    default:
      break;
  }
}

std::string CVAttrib::FormatBindingInfo(const CDCTag* other) const {
  const CDCTag* tag = m_pTag ? m_pTag : other;
  return FormatText("SectionName: [%s]\nAttribName: [%s]  AttribDataType: %s\nTagName: [%s]  TagDataType: %s",
                    IniSectionName().c_str(), m_strName.c_str(), VarTypeToName(m_vtDataType).c_str(),
                    tag ? tag->GetTagName().c_str() : "'No-Tag'",
                    VarTypeToName(tag ? tag->GetDataType() : VARTYPE{VT_EMPTY}).c_str());
}

void CVAttrib::DeleteTrendInfo() { m_pTrendInfo.reset(); }

void CVAttrib::SetTrendInfo(CAttribTrendInfo* trendInfo) {
  if (trendInfo == m_pTrendInfo.get()) return;
  // The old setting goes first, so it never sits in the trend list beside
  // its successor.
  m_pTrendInfo.reset();
  m_pTrendInfo.reset(trendInfo);
}

bool CVAttrib::ToDataType(const VARIANT& in, VARIANT* out) const {
  if (m_vtDataType == VT_EMPTY || in.vt == m_vtDataType) {
    VariantCopy(out, &in);
  } else if (FAILED(VariantChangeType(out, &in, 0, m_vtDataType)) || out->vt != m_vtDataType) {
    return false;
  }
  if (out->vt == VT_BOOL) out->boolVal = out->boolVal ? VARIANT_TRUE : VARIANT_FALSE;
  return true;
}

bool CVAttrib::SetDefaultValue(const VARIANT* newValue) {
  if (newValue == nullptr) return false;
  VARIANT value;
  if (!ToDataType(*newValue, &value)) return false;
  if (AttribValuesEqual(m_vDefaultValue, value)) return true;
  return ChangeField(AC_DEFAULT_VALUE, value, [&] { VariantCopy(&m_vDefaultValue, &value); });
}

bool CVAttrib::SetValue(const VARIANT* newValue) {
  if (newValue == nullptr) return false;
  VARIANT value;
  if (!ToDataType(*newValue, &value)) return false;
  if (AttribValuesEqual(m_vValue, value)) return true;
  // A pending read of the tag brings the tag's own value; this one is dropped.
  if (m_pTag != nullptr && m_pTag->IsReadPending()) return false;
  if (!CanChange(AC_VALUE, &value)) return false;
  VariantCopy(&m_vValue, &value);
  WriteThroughToTag();
  OnChanged(AC_VALUE);
  return true;
}

void CVAttrib::WriteThroughToTag() {
  if (m_pTag == nullptr) return;
  // In Real HW an input tag is written only by its link.
  if (m_pTag->GetIOType() == kIoTypeInput && IsPlantRealHwSource()) return;
  VARIANT copy;
  VariantCopy(&copy, &m_vValue);
  if (m_bNegative) {
    if (m_pTag->GetDataType() == VT_BOOL) {
      const bool on = VariantToBool(m_vValue);
      VariantClear(&copy);
      copy.vt = VT_BOOL;
      copy.boolVal = on ? 0 : 1;  // the tag's true is written as 1
    } else if (!IsShiftKeyDown()) {
      const int answer = AfxMessageBox(
          "The 'Negative Tag Transforming' is NOT supported for non boolean data types!\n" +
              FormatBindingInfo(nullptr) + "Do you want to continue program?",
          MB_YESNO | MB_ICONERROR | MB_SYSTEMMODAL);
      if (answer != IDYES) {
        // Returns only while the session ends: then nothing is written.
        ExitProgram(kExitCodeConfigError);
        return;
      }
      SetTagTransform("");
    }
  }
  if (AttribValuesEqual(copy, *m_pTag->GetTagData())) return;
  // Only a value the tag took is waiting to be written to the hardware.
  if (!m_pTag->SetTagData(&copy)) return;
  m_pTag->SetWritePending(true);
  SetWritePending(m_pTag->IsWritePending());
}

std::string CVAttrib::IniSectionName() const {
  return m_pOwner ? m_pOwner->GetIniSectionName() : std::string();
}
