#include "PlantFixture.h"

#include <gtest/gtest.h>

#include "platform/Thread.h"

namespace plant_test {

std::vector<AttribDef> AnalogGroup(const std::string& name, VARTYPE vt) {
  const std::string names[8] = {name,           "MinVlu" + name,        "MaxVlu" + name,
                                "LlaVlu" + name, "HlaVlu" + name,        name + "Port",
                                "MinVlu" + name + "Port", "MaxVlu" + name + "Port"};
  std::vector<AttribDef> defs;
  for (int role = 0; role < 8; ++role) {
    AttribDef def;
    def.name = names[role];
    def.vt = vt;
    def.role = role;
    defs.push_back(def);
  }
  return defs;
}

// ---- TestPack ---------------------------------------------------------------------

TestPack::TestPack(std::vector<AttribDef> defs, CIniFile* ini, const std::string& deviceName,
                   int controlType)
    : m_defs(std::move(defs)), m_pIni(ini), m_deviceName(deviceName) {
  SetControlType(static_cast<BYTE>(controlType));
}

TestPack::~TestPack() = default;

int TestPack::IdOf(const std::string& name) const {
  for (size_t i = 0; i < m_defs.size(); ++i) {
    if (m_defs[i].name == name) return static_cast<int>(i);
  }
  ADD_FAILURE() << "no attribute " << name;
  return -1;
}

std::string TestPack::GetAttribName(int id) const { return m_defs.at(static_cast<size_t>(id)).name; }
VARIANT TestPack::GetAttribDefault(int id) const { return m_defs.at(static_cast<size_t>(id)).def; }
VARTYPE TestPack::GetAttribType(int id) const { return m_defs.at(static_cast<size_t>(id)).vt; }
int TestPack::GetAnalogRole(int id) const { return m_defs.at(static_cast<size_t>(id)).role; }

int TestPack::GetAnalogGroupMember(int id, int role) const {
  const int own = GetAnalogRole(id);
  if (own == AR_NONE || role < 0 || role > 7) return -1;
  const int member = id - own + role;
  if (member < 0 || member >= static_cast<int>(m_defs.size())) return -1;
  return m_defs[static_cast<size_t>(member)].role == role ? member : -1;
}

std::string TestPack::GetIniSectionName() const { return GetControlTypeName() + "." + m_deviceName; }

bool TestPack::IniSectionExists(const std::string& section) const {
  return m_pIni != nullptr && m_pIni->HasSection(section);
}

void TestPack::SaveAttribIniString(int id, int property, const std::string& text) {
  if (m_pIni) m_pIni->WriteString(GetIniSectionName(), MakeAttribIniKey(GetAttribName(id), property), text);
}

void TestPack::LoadAttribIniString(int id, int property, std::string& text) {
  ++iniReads;
  text.clear();
  if (m_pIni) m_pIni->ReadString(GetIniSectionName(), MakeAttribIniKey(GetAttribName(id), property), text, "");
}

bool TestPack::CanChangeAttrib(CVAttrib* attrib, int code, const VARIANT* value) {
  if (refuseInPack) return false;
  return CVAttribsPack::CanChangeAttrib(attrib, code, value);
}

void TestPack::OnAttribChanged(CVAttrib* attrib, int code) {
  changes.emplace_back(attrib->GetId(), code);
  CVAttribsPack::OnAttribChanged(attrib, code);
}

// ---- RecordingWnd ---------------------------------------------------------------

bool RecordingWnd::CreateHidden() {
  return Create("", WS_OVERLAPPED, CRect(0, 0, 300, 200), nullptr, 0) != FALSE;
}

LRESULT RecordingWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ATTRIB_CHANGING) {
    auto* request = reinterpret_cast<AttribChangeRequest*>(wParam);
    changing.push_back(*request);
    if (clearShowMessage) request->bShowMessage = false;
    return answerChanging;
  }
  if (message >= WM_USER) {
    received.push_back({message, wParam, lParam});
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

int RecordingWnd::Count(UINT message, LPARAM lParam) const {
  int n = 0;
  for (const Message& m : received) {
    if (m.message == message && (lParam == -1 || m.lParam == lParam)) ++n;
  }
  return n;
}

PackInWindow::PackInWindow(std::vector<AttribDef> defs, CIniFile* ini, const std::string& deviceName)
    : pack(std::move(defs), ini, deviceName) {
  EXPECT_TRUE(parent.CreateHidden());
  EXPECT_TRUE(pack.Create("", WS_CHILD, CRect(0, 0, 50, 50), &parent, 1));
  pack.SetNotifyWnd(&pack);
  pack.Declare();
}

// ---- TagWorld -------------------------------------------------------------------

std::string TagWorld::DefaultTags() {
  return "1,RealOut,ADV,AO0,OUTPUT,Float,0,0,\n"
         "2,RealIn,ADV,AI0,INPUT,Float,0,0,\n"
         "3,RealMem,NULL,,NULL,Float,0,0,\n"
         "4,BoolOut,ADV,DO0,OUTPUT,Bool,0,0,\n"
         "5,BoolIn,ADV,DI0,INPUT,Bool,0,0,\n"
         "6,IntOut,ADV,AO1,OUTPUT,Int,0,0,\n"
         "7,RealOut2,ADV,AO2,OUTPUT,Float,0,0,\n"
         "8,RealDuplex,OPC,Plant.Item,DUPLEX,Float,0,0,\n";
}

TagWorld::TagWorld(const std::string& tagLines) {
  const int result = m_dataCenter.LoadTagText(tagLines, "test.dct");
  EXPECT_EQ(result, 0) << m_dataCenter.GetLastErrorText();
  PlantEngineAccess access;
  access.dataCenter = [this] { return &m_dataCenter; };
  access.isRealHwSource = [this] { return m_realHw; };
  m_previous = SetPlantEngineAccess(access);
}

TagWorld::~TagWorld() { SetPlantEngineAccess(m_previous); }

CDCTag* TagWorld::Tag(const std::string& name) const {
  CDCTag* tag = m_dataCenter.FindTag(name);
  EXPECT_NE(tag, nullptr) << name;
  return tag;
}

void DeliverPosted() { ProcessPendingEvents(); }

}  // namespace plant_test
