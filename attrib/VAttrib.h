// CVAttrib: one named, typed value of a device shape or process-data object
// (a speed, a limit, a colour, a command bit), owned by an attribute pack
// and optionally bound to one data-center tag. Every change runs one
// protocol: ask (the pack's parent window by WM_ATTRIB_CHANGING, then the
// pack), store, announce (the pack, WM_ATTRIB_CHANGED to the parent, a
// repaint). An accepted value is written through to the bound tag.
// Not thread-safe: attributes belong to the user-interface thread.
#pragma once

#include <memory>
#include <string>

#include "attrib/AttribTypes.h"
#include "platform/Variant.h"

class CAttribTrendInfo;
class CDCTag;
class CVAttribsPack;
class CVStack;

class CVAttrib {
 public:
  explicit CVAttrib(CVAttribsPack* owner);
  virtual ~CVAttrib();
  CVAttrib(const CVAttrib&) = delete;
  CVAttrib& operator=(const CVAttrib&) = delete;

  // Back to the state of a new attribute (id -1, no name, no type, no value).
  virtual void Reset();

  virtual bool GetInitFlag() const { return m_bInitFlag; }
  // Stores the flag and clears the modified flag.
  virtual void SetInitFlag(bool init);

  virtual int GetId() const { return m_nId; }
  virtual void SetId(int id);

  virtual bool IsModified() const { return m_bModified; }
  virtual void SetModified(bool modified) { m_bModified = modified; }

  // Mirrors of the bound tag's pending flags; false while unbound.
  virtual bool IsWritePending() const;
  virtual void SetWritePending(bool pending);
  virtual bool IsReadPending() const;
  virtual void SetReadPending(bool pending);

  virtual const std::string& GetName() const { return m_strName; }
  virtual void SetName(const std::string& name);

  virtual const std::string& GetTagName() const { return m_strTagName; }
  // Trims the name, stores it and binds the tag of that name (if any).
  virtual void SetTagName(const std::string& tagName);

  virtual CDCTag* GetTag() const { return m_pTag; }
  // Binds the tag when its data type matches; a mismatch is reported. A
  // bound attribute stays bound: null never unbinds it.
  virtual void SetTag(CDCTag* tag);

  virtual const std::string& GetTagTransform() const { return m_strTagTransform; }
  // "" or "Negative"; anything else (or "Negative" where it cannot apply) is
  // reported as a configuration error, and then stored all the same.
  virtual void SetTagTransform(const std::string& transform);
  virtual bool IsTagNegative() const { return m_bNegative; }

  // Reloads the visibility from the settings file first (through the pack).
  virtual bool IsVisible();
  virtual void SetVisible(bool visible);

  virtual int GetAsd() const { return m_nAsd; }
  virtual void SetAsd(int asd);

  // The trend setting's sample stack; null without a trend setting.
  virtual CVStack* GetTrendStack() const;
  // Pushes the current value onto the trend stack (when there is one).
  virtual void PushTrendSample();

  virtual VARTYPE GetDataType() const { return m_vtDataType; }
  virtual void SetDataType(VARTYPE vt);

  // The question half of the change protocol: true allows the change.
  virtual bool CanChange(int code, const VARIANT* newValue);
  // The announcement half of the change protocol.
  virtual void OnChanged(int code);

  // The binding description used by every error text of the attribute
  // model: section, attribute and its type, tag and its type. The tag is
  // the bound one, else other (or none).
  virtual std::string FormatBindingInfo(const CDCTag* other) const;

  virtual void DeleteTrendInfo();

  // ---- Non-virtual -----------------------------------------------------------
  const VARIANT* GetValue() const { return &m_vValue; }
  const VARIANT* GetDefaultValueAddress() const { return &m_vDefaultValue; }
  CVAttribsPack* GetOwner() const { return m_pOwner; }
  void SetOwner(CVAttribsPack* owner) { m_pOwner = owner; }
  CAttribTrendInfo* GetTrendInfo() const { return m_pTrendInfo.get(); }
  // Takes ownership; a setting the attribute already had is deleted first.
  void SetTrendInfo(CAttribTrendInfo* trendInfo);

  // Both return true when the attribute holds the value afterwards. A value
  // of another type is converted to the attribute's data type; one that
  // does not convert is refused. SetValue drops a value while the bound tag
  // is read-pending (the pending read brings the tag's own value).
  bool SetDefaultValue(const VARIANT* newValue);
  bool SetValue(const VARIANT* newValue);

 protected:
  // Bound tag, owner and trend setting null, then Reset.
  virtual void Init();

 private:
  // Runs the change protocol for a field: ask, then store and announce.
  template <typename Store>
  bool ChangeField(int code, const VARIANT& proposed, Store store);
  void SetPendingFlag(bool& flag, bool pending, int code);
  // The value as the attribute's data type, or false when it does not convert.
  bool ToDataType(const VARIANT& in, VARIANT* out) const;
  void WriteThroughToTag();
  std::string IniSectionName() const;

  bool m_bInitFlag = false;     // created on demand and set up by the owner
  int m_nId = -1;               // index in the owner's attribute array
  std::string m_strName;        // unique in the pack; first half of its keys
  std::string m_strTagName;     // as the settings file gives it
  CDCTag* m_pTag = nullptr;     // not owned; the data center owns the tags
  bool m_bVisible = true;
  int m_nAsd = 0;
  std::string m_strTagTransform;  // "" or "Negative" (others reported)
  bool m_bNegative = false;       // m_strTagTransform == "Negative"
  bool m_bModified = false;       // an announced change of a stored property
  bool m_bWritePending = false;   // mirror of the bound tag's flag
  bool m_bReadPending = false;    // mirror of the bound tag's flag
  VARTYPE m_vtDataType = VT_EMPTY;
  VARIANT m_vValue;
  VARIANT m_vDefaultValue;
  std::unique_ptr<CAttribTrendInfo> m_pTrendInfo;
  CVAttribsPack* m_pOwner = nullptr;  // fixed at construction; not owned
};

// True when two attribute or tag values are the same value: two VT_NULL are
// equal, different types differ, booleans compare by truth (1 and -1 are
// both true), everything else by VarCmp.
bool AttribValuesEqual(const VARIANT& a, const VARIANT& b);
