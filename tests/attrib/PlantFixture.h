// Test helpers of the attribute model: a concrete pack driven by a table of
// attributes and a settings file, a window that records (and may refuse)
// what packs send and post, and a data center built from tag-file lines.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/DataCenterBase.h"
#include "core/IniFile.h"
#include "attrib/PlantServices.h"
#include "attrib/VAttribsPack.h"
#include "platform/Wnd.h"

namespace plant_test {

struct AttribDef {
  std::string name;
  VARTYPE vt = VT_EMPTY;
  VARIANT def;            // VT_EMPTY: the typed zero
  int role = AR_NONE;     // place in an analog group of eight
};

// The eight members of an analog group: X, MinVluX, MaxVluX, LlaVluX,
// HlaVluX, XPort, MinVluXPort, MaxVluXPort.
std::vector<AttribDef> AnalogGroup(const std::string& name, VARTYPE vt);

// A pack whose attributes come from a table and whose settings section is
// "<control type>.<device name>" of a real settings file (or none).
class TestPack : public CVAttribsPack {
 public:
  TestPack(std::vector<AttribDef> defs, CIniFile* ini = nullptr,
           const std::string& deviceName = "Dev1", int controlType = CT_VESSEL);
  ~TestPack() override;

  // Declares the table's attributes.
  void Declare() { DeclareAttrib(static_cast<int>(m_defs.size())); }
  int IdOf(const std::string& name) const;
  CVAttrib* Attrib(const std::string& name) const { return GetAttrib(IdOf(name)); }

  std::string GetAttribName(int id) const override;
  VARIANT GetAttribDefault(int id) const override;
  VARTYPE GetAttribType(int id) const override;
  void SetAttribValue(int id, const VARIANT* value) override { GetAttrib(id)->SetValue(value); }
  int GetAnalogRole(int id) const override;
  int GetAnalogGroupMember(int id, int role) const override;
  std::string GetDeviceCaption() const override { return m_deviceName; }
  std::string GetDeviceName() const override { return m_deviceName; }
  std::string GetIniSectionName() const override;
  bool IniSectionExists(const std::string& section) const override;
  void SaveAttribIniString(int id, int property, const std::string& text) override;
  void LoadAttribIniString(int id, int property, std::string& text) override;

  bool CanChangeAttrib(CVAttrib* attrib, int code, const VARIANT* value) override;
  void OnAttribChanged(CVAttrib* attrib, int code) override;

  using CVAttribsPack::SampleTrendAttribs;
  void Tick(UINT_PTR id) { OnTimer(id); }

  bool refuseInPack = false;
  int iniReads = 0;                   // LoadAttribIniString calls
  std::vector<std::pair<int, int>> changes;  // (id, code) seen by the pack

 private:
  std::vector<AttribDef> m_defs;
  CIniFile* m_pIni;
  std::string m_deviceName;
};

// A hidden window that records the messages packs send and post to it.
class RecordingWnd : public CWnd {
 public:
  struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  bool CreateHidden();
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Messages of the number (and lParam, when not -1) received so far.
  int Count(UINT message, LPARAM lParam = -1) const;

  LRESULT answerChanging = 0;     // non-zero refuses every change
  bool clearShowMessage = false;  // the refusal shows no box
  std::vector<AttribChangeRequest> changing;
  std::vector<Message> received;  // everything but WM_ATTRIB_CHANGING
};

// A pack created as a hidden child of a recording parent; the pack is its
// own notify window, as shapes are.
struct PackInWindow {
  explicit PackInWindow(std::vector<AttribDef> defs, CIniFile* ini = nullptr,
                        const std::string& deviceName = "Dev1");
  RecordingWnd parent;
  TestPack pack;
};

// A data center loaded from tag-file lines ("id,name,hw,path,io,type,stack,
// precision,expression") and installed as the plant's data center, with a
// switchable Real HW answer.
class TagWorld {
 public:
  explicit TagWorld(const std::string& tagLines = DefaultTags());
  ~TagWorld();
  CDCTag* Tag(const std::string& name) const;
  void SetRealHw(bool realHw) { m_realHw = realHw; }
  CDataCenterBase& DataCenter() { return m_dataCenter; }
  static std::string DefaultTags();

 private:
  CDataCenterBase m_dataCenter;
  PlantEngineAccess m_previous;
  bool m_realHw = false;
};

// Lets queued posts arrive.
void DeliverPosted();

// SetValue and SetDefaultValue of a value made in place.
inline bool Set(CVAttrib* attrib, const VARIANT& value) { return attrib->SetValue(&value); }
inline bool SetDefault(CVAttrib* attrib, const VARIANT& value) { return attrib->SetDefaultValue(&value); }

}  // namespace plant_test
