#include "shapes/ShapeAttribTable.h"

#include <algorithm>
#include <stdexcept>

#include "attrib/AttribTypes.h"
#include "shapes/ShapeTypes.h"

// ---- Reading ------------------------------------------------------------------------

int ShapeAttribTable::GetCount() const { return BA_COUNT + static_cast<int>(m_own.size()); }

const ShapeAttribTable::Attrib* ShapeAttribTable::Find(int id) const {
  if (id < BA_COUNT || id >= GetCount()) return nullptr;
  return &m_own[static_cast<size_t>(id - BA_COUNT)];
}

int ShapeAttribTable::FindId(const std::string& name) const {
  for (size_t i = 0; i < m_own.size(); ++i) {
    if (m_own[i].name == name) return BA_COUNT + static_cast<int>(i);
  }
  return -1;
}

int ShapeAttribTable::GetAnalogRole(int id) const {
  const Attrib* attrib = Find(id);
  if (attrib == nullptr || attrib->group < 0) return AR_NONE;
  // The alarm limits belong to the group but take no part in its ranges.
  if (attrib->member == AR_LLA_VLU || attrib->member == AR_HLA_VLU) return AR_NONE;
  return attrib->member;
}

const ShapeAttribTable::Group* ShapeAttribTable::FindValueOrPortGroup(int id) const {
  const Attrib* attrib = Find(id);
  if (attrib == nullptr || attrib->group < 0) return nullptr;
  if (attrib->member != AR_VALUE && attrib->member != AR_PORT) return nullptr;
  return &m_groups[static_cast<size_t>(attrib->group)];
}

int ShapeAttribTable::GetGroupMember(int id, int role) const {
  const Group* group = FindValueOrPortGroup(id);
  if (group == nullptr || role < AR_VALUE || role > AR_MAX_VLU_PORT) return -1;
  return group->valueId + role;
}

int ShapeAttribTable::GetUnitCount() const {
  int count = 0;
  for (const Group& group : m_groups) count = std::max(count, group.unitIndex + 1);
  return count;
}

std::optional<int> ShapeAttribTable::GetBaseColorDefault(int baseId) const {
  switch (baseId) {
    case BA_ColorBG: return m_colorBg;
    case BA_ColorFG: return m_colorFg;
    case BA_ColorBody: return m_colorBody;
    default: return std::nullopt;
  }
}

// ---- Building -------------------------------------------------------------------------

ShapeAttribTable::Builder::Builder(PortRule portRule) { m_table.m_portRule = portRule; }

ShapeAttribTable::Builder& ShapeAttribTable::Builder::Colors(COLORREF bg, COLORREF fg, COLORREF body) {
  m_table.m_colorBg = static_cast<int>(bg);
  m_table.m_colorFg = static_cast<int>(fg);
  m_table.m_colorBody = static_cast<int>(body);
  return *this;
}

ShapeAttribTable::Builder& ShapeAttribTable::Builder::Add(VARTYPE vt, const std::string& name,
                                                         double dataDefault) {
  Attrib attrib;
  attrib.name = name;
  attrib.vt = vt;
  attrib.dataDefault = dataDefault;
  m_table.m_own.push_back(attrib);
  return *this;
}

ShapeAttribTable::Builder& ShapeAttribTable::Builder::Float(const std::vector<std::string>& names) {
  for (const std::string& name : names) Add(VT_R4, name);
  return *this;
}

ShapeAttribTable::Builder& ShapeAttribTable::Builder::Bool(const std::vector<std::string>& names) {
  for (const std::string& name : names) Add(VT_BOOL, name);
  return *this;
}

ShapeAttribTable::Builder& ShapeAttribTable::Builder::Int(const std::vector<std::string>& names) {
  for (const std::string& name : names) Add(VT_I4, name);
  return *this;
}

ShapeAttribTable::Builder& ShapeAttribTable::Builder::String(const std::vector<std::string>& names) {
  for (const std::string& name : names) Add(VT_BSTR, name);
  return *this;
}

ShapeAttribTable::Builder& ShapeAttribTable::Builder::Companions(const std::string& group,
                                                                const std::vector<std::string>& prefixes) {
  for (const std::string& prefix : prefixes) Add(VT_BOOL, prefix + group);
  return *this;
}

ShapeAttribTable::Builder& ShapeAttribTable::Builder::Analog(const AnalogSpec& spec) {
  Group group;
  group.valueId = m_table.GetCount();
  group.unitIndex = spec.unitIndex >= 0 ? spec.unitIndex : m_table.GetUnitCount();
  for (const Group& other : m_table.m_groups) {
    if (other.unitIndex == group.unitIndex) {
      throw std::logic_error("Analog unit " + std::to_string(group.unitIndex) + " is given twice");
    }
  }
  group.caption = spec.caption.empty() ? spec.name : spec.caption;
  group.unitText = spec.unitText;
  const bool named = !spec.memberNames[0].empty();
  const std::array<std::string, 8> names = named ? spec.memberNames : AnalogMemberNames(spec.name);
  const double defaults[8] = {0.0, 0.0, spec.maxDefault, 0.0, spec.maxDefault,
                              spec.portDefault, spec.portMinDefault, spec.portMaxDefault};
  const int groupIndex = static_cast<int>(m_table.m_groups.size());
  for (int member = AR_VALUE; member <= AR_MAX_VLU_PORT; ++member) {
    Add(VT_R4, names[static_cast<size_t>(member)], defaults[member]);
    m_table.m_own.back().group = groupIndex;
    m_table.m_own.back().member = member;
  }
  m_table.m_groups.push_back(group);
  return *this;
}

ShapeAttribTable::Builder& ShapeAttribTable::Builder::Default(const std::string& name, double value) {
  const int id = m_table.FindId(name);
  if (id < 0) throw std::logic_error("No attribute " + name + " to give a default");
  m_table.m_own[static_cast<size_t>(id - BA_COUNT)].dataDefault = value;
  return *this;
}

ShapeAttribTable ShapeAttribTable::Builder::Build() const { return m_table; }

std::array<std::string, 8> AnalogMemberNames(const std::string& name) {
  return {name,           "MinVlu" + name, "MaxVlu" + name,          "LlaVlu" + name,
          "HlaVlu" + name, name + "Port",  "MinVlu" + name + "Port", "MaxVlu" + name + "Port"};
}

const std::vector<std::string>& AllCompanionPrefixes() {
  static const std::vector<std::string> prefixes = {"LlaFlg",     "HlaFlg",     "LocalCntrl",
                                                     "AutoCntrl",  "DoIncrease", "DoDecrease",
                                                     "DiOnOff",    "DiOnAlarm",  "DoOnOff"};
  return prefixes;
}
