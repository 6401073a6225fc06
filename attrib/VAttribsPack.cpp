#include "attrib/VAttribsPack.h"

#include <algorithm>
#include <stdexcept>

#include "core/DCTag.h"
#include "core/VTimer.h"
#include "attrib/AttribTrendInfo.h"

CVAttribsPack::CVAttribsPack() = default;

CVAttribsPack::~CVAttribsPack() {
  // The window goes first, so no message reaches a half-destroyed pack.
  if (IsWindowCreated()) DestroyWindow();
  DeleteAttribs(false);
}

BOOL CVAttribsPack::Create(const std::string& text, DWORD style, const CRect& rect, CWnd* parent,
                           UINT id) {
  if (!CWnd::Create(text, style, rect, parent, id)) return FALSE;
  SetTimer(TIMER_ATTRIBS_PACK, TIMER_ATTRIBS_PACK_MS);
  return TRUE;
}

void CVAttribsPack::CheckId(int id) const {
  if (id < 0 || id >= GetAttribCount()) {
    throw std::invalid_argument("Attribute id " + std::to_string(id) + " is outside 0.." +
                                std::to_string(GetAttribCount() - 1) + " of pack [" +
                                GetIniSectionName() + "]");
  }
}

CVAttrib* CVAttribsPack::GetAttrib(int id) const {
  CheckId(id);
  return m_arrAttribs[static_cast<size_t>(id)].get();
}

CVAttribsPack::AttribList* CVAttribsPack::LookupTagAttribs(const CDCTag* tag) {
  auto it = m_mapTagAttribs.find(tag);
  return it == m_mapTagAttribs.end() ? nullptr : &it->second;
}

// ---- Attribute access ----------------------------------------------------------

const VARIANT* CVAttribsPack::GetAttribValue(int id) const { return GetAttrib(id)->GetValue(); }
bool CVAttribsPack::IsAttribVisible(int id) { return GetAttrib(id)->IsVisible(); }
void CVAttribsPack::SetAttribVisible(int id, bool visible) { GetAttrib(id)->SetVisible(visible); }
int CVAttribsPack::GetAttribAsd(int id) const { return GetAttrib(id)->GetAsd(); }
void CVAttribsPack::SetAttribAsd(int id, int asd) { GetAttrib(id)->SetAsd(asd); }
VARTYPE CVAttribsPack::GetAttribDataType(int id) const { return GetAttrib(id)->GetDataType(); }

bool CVAttribsPack::GetAnalogGroup(int id, int ids[8]) const {
  if (GetAnalogRole(id) != AR_VALUE) return false;
  for (int role = AR_VALUE; role <= AR_MAX_VLU_PORT; ++role) ids[role] = GetAnalogGroupMember(id, role);
  return true;
}

// ---- Change protocol -------------------------------------------------------------

bool CVAttribsPack::CanChangeAttrib(CVAttrib* /*attrib*/, int /*code*/, const VARIANT* /*newValue*/) {
  return true;
}

void CVAttribsPack::OnAttribChanged(CVAttrib* attrib, int code) {
  switch (code) {
    case AC_TAG:
      UpdateTagBinding(attrib);
      break;
    case AC_READ_PENDING:
      if (attrib->IsReadPending() != m_bReadPending) UpdateReadPending();
      break;
    case AC_WRITE_PENDING:
      if (attrib->IsWritePending() != m_bWritePending) UpdateWritePending();
      break;
    default:
      break;
  }
}

// The attribute joins its tag's list and leaves any list of a former tag;
// the notify window views exactly the tags whose list is not empty.
void CVAttribsPack::UpdateTagBinding(CVAttrib* attrib) {
  CDCTag* tag = attrib->GetTag();
  for (auto& [other, list] : m_mapTagAttribs) {
    if (other == tag) continue;
    auto it = std::find(list.begin(), list.end(), attrib);
    if (it == list.end()) continue;
    list.erase(it);
    if (list.empty() && m_pNotifyWnd != nullptr) const_cast<CDCTag*>(other)->RemoveViewer(m_pNotifyWnd);
  }
  if (tag == nullptr) return;
  AttribList& list = m_mapTagAttribs[tag];
  if (std::find(list.begin(), list.end(), attrib) == list.end()) list.push_back(attrib);
  // A viewer already registered is not notified again (the tag adds it once).
  if (m_pNotifyWnd != nullptr) tag->AddViewer(m_pNotifyWnd);
}

void CVAttribsPack::NotifyPendingChanged(int code) {
  if (code != AC_READ_PENDING && code != AC_WRITE_PENDING) return;
  PostToParent(WM_PACK_PENDING_CHANGED, reinterpret_cast<WPARAM>(this), code);
}

bool CVAttribsPack::AnyAttrib(bool (CVAttrib::*pending)() const) const {
  return std::any_of(m_arrAttribs.begin(), m_arrAttribs.end(),
                     [pending](const auto& attrib) { return attrib && (attrib.get()->*pending)(); });
}

void CVAttribsPack::UpdateReadPending() { SetReadPending(AnyAttrib(&CVAttrib::IsReadPending)); }

void CVAttribsPack::UpdateWritePending() { SetWritePending(AnyAttrib(&CVAttrib::IsWritePending)); }

void CVAttribsPack::SetReadPending(bool pending) {
  if (pending == m_bReadPending) return;
  m_bReadPending = pending;
  NotifyPendingChanged(AC_READ_PENDING);
}

void CVAttribsPack::SetWritePending(bool pending) {
  if (pending == m_bWritePending) return;
  m_bWritePending = pending;
  NotifyPendingChanged(AC_WRITE_PENDING);
}

BOOL CVAttribsPack::PostToParent(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindowCreated()) return FALSE;
  CWnd* parent = GetParent();
  return parent != nullptr ? parent->PostMessage(message, wParam, lParam) : FALSE;
}

LRESULT CVAttribsPack::SendToParent(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindowCreated()) return 0;
  CWnd* parent = GetParent();
  return parent != nullptr ? parent->SendMessage(message, wParam, lParam) : 0;
}

std::string CVAttribsPack::GetControlTypeName() const { return ControlTypeToName(m_nControlType); }

// ---- Creation of attributes --------------------------------------------------------

void CVAttribsPack::DeleteAttribs(bool releaseTags) {
  if (releaseTags && m_pNotifyWnd != nullptr) {
    for (auto& [tag, list] : m_mapTagAttribs) {
      if (!list.empty()) const_cast<CDCTag*>(tag)->RemoveViewer(m_pNotifyWnd);
    }
  }
  m_mapTagAttribs.clear();
  m_arrAttribs.clear();
}

void CVAttribsPack::DeclareAttrib(int count) {
  DeleteAttribs(true);
  if (count <= 0) return;
  m_arrAttribs.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    m_arrAttribs[static_cast<size_t>(i)] = std::make_unique<CVAttrib>(this);
    CVAttrib* attrib = m_arrAttribs[static_cast<size_t>(i)].get();
    attrib->SetDataType(GetAttribType(i));
    attrib->SetId(i);
    attrib->SetName(GetAttribName(i));
    attrib->SetModified(false);
    VARIANT value = GetAttribDefault(i);
    if (value.vt == VT_EMPTY) VariantChangeType(&value, &value, 0, attrib->GetDataType());
    attrib->SetDefaultValue(&value);
    attrib->SetValue(&value);
  }
}

bool CVAttribsPack::EnsureAttrib(int id) {
  CheckId(id);
  auto& slot = m_arrAttribs[static_cast<size_t>(id)];
  if (slot) return false;
  std::unique_ptr<CVAttrib> attrib(NewAttrib(id));
  OnAttribCreated(attrib.get());
  attrib->SetInitFlag(InitAttrib(attrib.get()));
  slot = std::move(attrib);
  return true;
}

CVAttrib* CVAttribsPack::NewAttrib(int id) {
  auto attrib = std::make_unique<CVAttrib>(this);
  attrib->SetId(id);
  return attrib.release();
}

// ---- Analog ranges ----------------------------------------------------------------------

void CVAttribsPack::ApplyAnalogRangesToTags() {
  for (int id = 0; id < GetAttribCount(); ++id) {
    CVAttrib* attrib = m_arrAttribs[static_cast<size_t>(id)].get();
    if (attrib == nullptr || attrib->GetTag() == nullptr) continue;
    const VARTYPE vt = attrib->GetDataType();
    if (vt != VT_I2 && vt != VT_I4 && vt != VT_R4) continue;
    const int role = GetAnalogRole(id);
    if (role != AR_VALUE && role != AR_PORT) continue;
    CDCTag* tag = attrib->GetTag();
    const int minId = GetAnalogGroupMember(id, role == AR_VALUE ? AR_MIN_VLU : AR_MIN_VLU_PORT);
    const int maxId = GetAnalogGroupMember(id, role == AR_VALUE ? AR_MAX_VLU : AR_MAX_VLU_PORT);
    // The range is kept in the tag's own type; a member that does not
    // convert to it is skipped like a missing one.
    auto rangeValue = [&](int memberId, VARIANT* out) {
      if (memberId < 0 || memberId >= GetAttribCount() || !m_arrAttribs[static_cast<size_t>(memberId)]) {
        return false;
      }
      VariantCopy(out, GetAttrib(memberId)->GetValue());
      const VARTYPE tagType = tag->GetDataType();
      if (tagType == VT_EMPTY || out->vt == tagType) return true;
      return SUCCEEDED(VariantChangeType(out, out, 0, tagType)) && out->vt == tagType;
    };
    VARIANT value;
    if (rangeValue(minId, &value)) tag->SetMinTag(&value);
    if (rangeValue(maxId, &value)) tag->SetMaxTag(&value);
  }
}

// ---- Trend sampling ---------------------------------------------------------------------

void CVAttribsPack::OnTimer(UINT_PTR id) {
  if (id == TIMER_ATTRIBS_PACK) {
    SampleTrendAttribs();
    return;
  }
  CWnd::OnTimer(id);
}

// One sample per attribute for each tick that finds a whole record interval
// elapsed; the stopwatch keeps the grid of whole intervals from its start,
// so a late tick pushes one sample and the next keeps to the grid.
void CVAttribsPack::SampleTrendAttribs() {
  for (const auto& attrib : m_arrAttribs) {
    CAttribTrendInfo* trend = attrib ? attrib->GetTrendInfo() : nullptr;
    if (trend == nullptr) continue;
    const std::uint64_t interval = static_cast<std::uint64_t>(std::max(1, trend->GetRecordInterval()));
    CVTimer& stopwatch = trend->GetStopwatch();
    const std::uint64_t elapsed = stopwatch.GetElapsedSec();
    if (elapsed < interval) continue;
    stopwatch.SubtractSec(elapsed / interval * interval);
    attrib->PushTrendSample();
  }
}
