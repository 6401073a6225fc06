// DeviceAttribs: one device's attributes read and written by name, the way
// the plant engine names them ("Speed", "MaxVluSpeed", "DoOnOffSpeed"). Every
// name used must be in the plant's name table (plant/PlantAttribNames.h),
// resolved per class when the plant is made; the program does not start
// while a name of the table is missing from its class. A name outside the
// table is reported once (CPlant::AttribId); one the class does not have
// reads false or 0 and is never set. Writes go through the class's typed
// setters (nothing happens for an equal value; the class's interlocks and
// clamps apply).
// Threads: user-interface thread.
#pragma once

#include "plant/Plant.h"

class DeviceAttribs {
 public:
  DeviceAttribs(CPlant& plant, C_BaseShape* device) : m_plant(plant), m_device(device) {}

  C_BaseShape* Device() const { return m_device; }
  // The device's window exists (it was created on the supervise view).
  bool HasWindow() const { return m_device && m_device->IsWindowCreated(); }

  bool Bool(const char* name) const {
    const int id = m_plant.AttribId(m_device, name);
    return id >= 0 && m_device->GetAttribBool(id);
  }
  float Float(const char* name) const {
    const int id = m_plant.AttribId(m_device, name);
    return id >= 0 ? m_device->GetAttribFloat(id) : 0.0f;
  }
  void SetBool(const char* name, bool value) const {
    const int id = m_plant.AttribId(m_device, name);
    if (id >= 0) m_device->SetAttribBoolIfChanged(id, value);
  }
  void SetFloat(const char* name, float value) const {
    const int id = m_plant.AttribId(m_device, name);
    if (id >= 0) m_device->SetAttribFloatIfChanged(id, value);
  }
  // value x factor in double precision, stored as a float.
  static float Scaled(float value, double factor) { return static_cast<float>(static_cast<double>(value) * factor); }

 private:
  CPlant& m_plant;
  C_BaseShape* m_device;
};
