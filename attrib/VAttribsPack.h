// CVAttribsPack: the window that owns the attributes of one device or
// process object. It holds them in an array indexed by attribute id, knows
// for every bound tag which of its attributes are bound to it, registers
// its notify window as a viewer of exactly those tags, keeps the pack-wide
// read- and write-pending flags (telling its parent when they change),
// samples trend attributes on a one-second timer and runs the first pass of
// loading the attributes from the settings file. The device shape base
// derives from it and supplies names, types, defaults and settings access.
// The pack works without a window (then it sends and posts nothing).
// Not thread-safe: packs belong to the user-interface thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "attrib/AttribTypes.h"
#include "attrib/VAttrib.h"
#include "platform/Variant.h"
#include "platform/Wnd.h"

class CDCTag;

class CVAttribsPack : public CWnd {
 public:
  using AttribList = std::vector<CVAttrib*>;  // not owning

  CVAttribsPack();
  ~CVAttribsPack() override;

  // Creates the window and starts the trend-sampling timer (6635, 1 s).
  BOOL Create(const std::string& text, DWORD style, const CRect& rect, CWnd* parent,
              UINT id) override;

  // ---- Attribute knowledge supplied by the shapes -----------------------------
  virtual std::string GetAttribName(int id) const = 0;
  virtual VARIANT GetAttribDefault(int id) const = 0;
  virtual VARTYPE GetAttribType(int id) const = 0;  // the declared type
  virtual void SetAttribValue(int id, const VARIANT* value) = 0;
  virtual int GetAnalogRole(int id) const = 0;                  // eAnalogRole
  virtual int GetAnalogGroupMember(int id, int role) const = 0;  // id or -1
  virtual std::string GetDeviceCaption() const = 0;
  virtual std::string GetDeviceName() const = 0;
  virtual std::string GetIniSectionName() const = 0;
  virtual bool IniSectionExists(const std::string& section) const = 0;
  virtual void SaveAttribIniString(int id, int property, const std::string& text) = 0;
  virtual void LoadAttribIniString(int id, int property, std::string& text) = 0;

  // ---- Attribute access ---------------------------------------------------------
  virtual const VARIANT* GetAttribValue(int id) const;
  virtual bool IsAttribVisible(int id);
  virtual void SetAttribVisible(int id, bool visible);
  virtual int GetAttribAsd(int id) const;
  virtual void SetAttribAsd(int id, int asd);
  virtual VARTYPE GetAttribDataType(int id) const;  // the stored type

  // ---- Settings and tags --------------------------------------------------------
  // The first loading pass: tag, transform, visibility, ASD, trend setting
  // and a check of the saved value of every attribute.
  virtual void LoadAttribsFromIni();
  // Hands each bound value or port attribute's group minimum and maximum
  // to its tag as the tag's range.
  virtual void ApplyAnalogRangesToTags();
  // Reads "Visible" ("No" in any case hides; anything else shows).
  virtual void LoadAttribVisible(int id);
  // Fills ids[r] with the member of role r (0..7) for a value attribute;
  // false (ids untouched) for any other attribute.
  virtual bool GetAnalogGroup(int id, int ids[8]) const;

  // ---- The change protocol's pack half --------------------------------------------
  virtual bool CanChangeAttrib(CVAttrib* attrib, int code, const VARIANT* newValue);
  virtual void OnAttribChanged(CVAttrib* attrib, int code);
  // Codes 12 and 13 only: posts WM_PACK_PENDING_CHANGED to the parent.
  virtual void NotifyPendingChanged(int code);
  virtual void UpdateReadPending();
  virtual void UpdateWritePending();
  virtual bool IsReadPending() const { return m_bReadPending; }
  virtual void SetReadPending(bool pending);
  virtual bool IsWritePending() const { return m_bWritePending; }
  virtual void SetWritePending(bool pending);

  // Both do nothing (0) while the pack window does not exist.
  virtual BOOL PostToParent(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam);

  virtual std::string GetControlTypeName() const;

  // ---- Creation of attributes ---------------------------------------------------------
  // Deletes every attribute, then creates count attributes typed, numbered,
  // named and given their defaults (as value too) from the shape's tables.
  virtual void DeclareAttrib(int count);
  virtual void CreateAttribs() {}
  // Creates the attribute of an empty slot; false when the slot is taken.
  virtual bool EnsureAttrib(int id);
  virtual CVAttrib* NewAttrib(int id);
  virtual void OnAttribCreated(CVAttrib* /*attrib*/) {}
  virtual bool InitAttrib(CVAttrib* /*attrib*/) { return false; }

  // ---- Non-virtual --------------------------------------------------------------------
  // Throws std::invalid_argument for an id outside 0..count-1.
  CVAttrib* GetAttrib(int id) const;
  int GetAttribCount() const { return static_cast<int>(m_arrAttribs.size()); }
  // The attributes bound to tag (they may have been rebound since); null
  // when none of this pack's attributes was ever bound to it.
  AttribList* LookupTagAttribs(const CDCTag* tag);

  std::uint32_t GetCtrlId() const { return m_nCtrlId; }
  void SetCtrlId(std::uint32_t id) { m_nCtrlId = id; }
  CWnd* GetNotifyWnd() const { return m_pNotifyWnd; }
  void SetNotifyWnd(CWnd* wnd) { m_pNotifyWnd = wnd; }
  BYTE GetIniFileIndex() const { return m_nIniFileIndex; }
  void SetIniFileIndex(BYTE index) { m_nIniFileIndex = index; }
  BYTE GetControlType() const { return m_nControlType; }
  void SetControlType(BYTE type) { m_nControlType = type; }

 protected:
  // Timer 6635: samples the trend attributes; other timers go to the base.
  void OnTimer(UINT_PTR id) override;
  // One pass of trend sampling (what timer 6635 runs).
  void SampleTrendAttribs();

 private:
  void CheckId(int id) const;
  // Deletes every attribute; with releaseTags the tag lists are emptied
  // and the notify window leaves those tags (not done at destruction,
  // when the tags may already be gone).
  void DeleteAttribs(bool releaseTags);
  void UpdateTagBinding(CVAttrib* attrib);
  void LoadTrendInfo(CVAttrib* attrib);
  void CheckSavedData(CVAttrib* attrib);
  // True when some attribute's flag (IsReadPending or IsWritePending) is set.
  bool AnyAttrib(bool (CVAttrib::*pending)() const) const;

  // Tag -> the attributes bound to it. An attribute is in at most one list.
  std::unordered_map<const CDCTag*, AttribList> m_mapTagAttribs;
  // Indexed by attribute id; owned; a slot is empty until created.
  std::vector<std::unique_ptr<CVAttrib>> m_arrAttribs;
  std::uint32_t m_nCtrlId = 0;  // INI-file index | control type | instance
  CWnd* m_pNotifyWnd = nullptr;  // the window registered with the bound tags
  BYTE m_nIniFileIndex = 255;
  BYTE m_nControlType = CT_UNSET;
  bool m_bWritePending = false;
  bool m_bReadPending = false;
};
