// CAnalogUnit: one analog group of a device shape: its value attribute,
// caption, unit text and the value the shape draws, and the one-time check
// whether the physical value is calculated from the raw port value in the
// program or comes from a hardware-mapped tag.
// Not thread-safe: user-interface thread, like its shape.
#pragma once

#include <string>

class CVAttrib;
class CVAttribsPack;

class CAnalogUnit {
 public:
  // owner: the shape (an attribute pack) whose attributes the unit reads.
  explicit CAnalogUnit(CVAttribsPack* owner);
  virtual ~CAnalogUnit() = default;

  void SetCaption(const std::string& caption);  // trimmed at both ends
  const std::string& GetCaption() const { return m_strCaption; }
  void SetAttribId(int id) { m_nAttribId = id; }
  int GetAttribId() const { return m_nAttribId; }
  void SetValue(float value) { m_fValue = value; }
  float GetValue() const { return m_fValue; }
  void SetUnitText(const std::string& text) { m_strUnitText = text; }  // as given
  const std::string& GetUnitText() const { return m_strUnitText; }
  void SetAutoCalcFromPort(bool autoCalc) { m_bAutoCalcPhyValueFromPortValue = autoCalc; }

  // The auto-calculation flag, settled once against the bindings: a value
  // calculated in the program must not also come from a hardware-mapped
  // tag, and a value with a hardware-mapped port but no hardware value tag
  // should be calculated. Each conflict is reported once (Cancel ends the
  // program with 321). A unit without a value attribute answers its flag.
  bool IsAutoCalcFromPort();

 private:
  CVAttrib* AttribOrNull(int id) const;

  CVAttribsPack* m_pOwner = nullptr;  // not owned
  std::string m_strCaption;
  int m_nAttribId = -1;               // the group's value attribute
  float m_fValue = 0.0f;              // what the shape draws
  std::string m_strUnitText = "Unit?";
  bool m_bAutoCalcPhyValueFromPortValue = false;
  bool m_bSettled = false;            // the check has settled the flag
};
