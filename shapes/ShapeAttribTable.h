// ShapeAttribTable: what a device class declares about its own attributes
// (ids from BA_COUNT on): names, types and "Data" defaults, its analog
// groups with their units, the rule for raw port values, and the class's
// own defaults of the base colours. C_BaseShape answers every name, type,
// role, group-member and default question from it and drives the analog
// float setter with it, so a class states its tables and nothing else.
//
// A table is built once per class with the Builder (ids are given in the
// order of the calls) and then only read; reading is safe from any thread.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Variant.h"
#include "platform/WinTypes.h"

// What a class does with a value written to the raw port member of an
// analog group (after storing it, which every rule does).
enum class PortRule {
  Stored,         // nothing more: the port value is only kept
  AutoCalc,       // the physical value follows by ScaleLinear when the unit calculates it
  ClampAutoCalc,  // as AutoCalc, the port value first clamped to its own range
};

// One analog group: eight consecutive float attributes X, MinVluX, MaxVluX,
// LlaVluX, HlaVluX, XPort, MinVluXPort, MaxVluXPort (or the given names),
// described by one analog unit. The setters chain:
//   AnalogSpec("Position", "Kgr/h", 1000.0)
//   AnalogSpec("InletTemperature").Caption("Inlet Temp.").Unit(4).MaxDefault(700)
struct AnalogSpec {
  explicit AnalogSpec(std::string groupName, std::string unit = "", double max = 0.0)
      : name(std::move(groupName)), unitText(std::move(unit)), maxDefault(max) {}

  AnalogSpec& Caption(std::string text) { caption = std::move(text); return *this; }
  AnalogSpec& Unit(int index) { unitIndex = index; return *this; }
  AnalogSpec& MaxDefault(double value) { maxDefault = value; return *this; }
  AnalogSpec& PortDefault(double value) { portDefault = value; return *this; }
  AnalogSpec& MemberNames(std::array<std::string, 8> names) { memberNames = std::move(names); return *this; }

  std::string name;               // X; the members' names are formed from it
  std::string unitText;           // the unit's text; empty keeps the unit's default
  double maxDefault = 0.0;        // "Data" default of MaxVluX and HlaVluX
  std::string caption;            // the unit's caption; empty: the name
  int unitIndex = -1;             // the unit describing the group; -1: the next one
  double portDefault = 0.0;       // of XPort
  double portMinDefault = 5000.0; // of MinVluXPort
  double portMaxDefault = 27000.0;// of MaxVluXPort
  std::array<std::string, 8> memberNames{};  // all empty: the standard names
};

class ShapeAttribTable {
 public:
  struct Attrib {
    std::string name;
    VARTYPE vt = VT_EMPTY;
    double dataDefault = 0.0;  // property 1 ("Data"); integers and flags too
    int group = -1;            // index into GetGroups(), or -1
    int member = -1;           // the place in its group (eAnalogRole 0..7)
  };
  struct Group {
    int valueId = -1;   // the X attribute; the members follow it
    int unitIndex = 0;  // the shape's analog unit for the group
    std::string caption;
    std::string unitText;  // empty: the unit keeps its default
  };

  class Builder;

  // The pack's attribute count: the base attributes and the own ones.
  int GetCount() const;
  // The own attribute of the id; null for base ids and ids past the count.
  const Attrib* Find(int id) const;
  // The id of the own attribute of the name; -1 when there is none.
  int FindId(const std::string& name) const;

  // eAnalogRole of an own attribute: 0, 1, 2, 5, 6, 7 for the members of a
  // group; the alarm limits (3, 4) and every other id give 9.
  int GetAnalogRole(int id) const;
  // value id + role when id is the value or the port member of a group and
  // role is 0..7; else -1.
  int GetGroupMember(int id, int role) const;
  // The group whose value or port member id is; null otherwise.
  const Group* FindValueOrPortGroup(int id) const;
  const std::vector<Group>& GetGroups() const { return m_groups; }
  int GetUnitCount() const;
  PortRule GetPortRule() const { return m_portRule; }

  // The class's own default of ColorBG (9), ColorFG (10) or ColorBody (12).
  std::optional<int> GetBaseColorDefault(int baseId) const;

 private:
  PortRule m_portRule = PortRule::Stored;
  std::vector<Attrib> m_own;  // index = id - BA_COUNT
  std::vector<Group> m_groups;
  std::optional<int> m_colorBg, m_colorFg, m_colorBody;
};

// Builds a table; each call appends attributes with the next ids. Naming an
// attribute that was not added (Default) is a programming error and throws
// std::logic_error, as does a second analog unit index.
class ShapeAttribTable::Builder {
 public:
  explicit Builder(PortRule portRule = PortRule::Stored);

  // The class's defaults of ColorBG, ColorFG and ColorBody (COLORREF).
  Builder& Colors(COLORREF bg, COLORREF fg, COLORREF body);
  Builder& Float(const std::vector<std::string>& names);
  Builder& Bool(const std::vector<std::string>& names);
  Builder& Int(const std::vector<std::string>& names);
  Builder& String(const std::vector<std::string>& names);
  // Flags named prefix + group for each prefix ("LlaFlg" + "Speed").
  Builder& Companions(const std::string& group, const std::vector<std::string>& prefixes);
  Builder& Analog(const AnalogSpec& spec);
  // The "Data" default of an attribute added before.
  Builder& Default(const std::string& name, double value);

  ShapeAttribTable Build() const;

 private:
  Builder& Add(VARTYPE vt, const std::string& name, double dataDefault = 0.0);
  ShapeAttribTable m_table;
};

// The standard member names of an analog group of name X.
std::array<std::string, 8> AnalogMemberNames(const std::string& name);

// The nine digital companions of an analog group, in the order the heat
// zone lists them: LlaFlg, HlaFlg, LocalCntrl, AutoCntrl, DoIncrease,
// DoDecrease, DiOnOff, DiOnAlarm, DoOnOff.
const std::vector<std::string>& AllCompanionPrefixes();
