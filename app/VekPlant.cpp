// The plant the program runs with: this plant's objects (plant/CPlant)
// behind the application's seam, one call to one call.
#include "app/VekPlant.h"

#include "plant/Plant.h"
#include "plant/VekEngineApp.h"

namespace {

class CVekPlant : public IVekPlant {
 public:
  explicit CVekPlant(const std::vector<PlantAttribNames>& names) : m_plant(ProgramDeviceClasses(), names) {}
  void CreateProcessData() override { m_plant.CreateProcessData(); }
  CVekEngineBase* CreateEngine() override { return m_plant.CreateEngine(); }
  bool CreateDeviceShapes(CWnd* pView) override { return m_plant.CreateDeviceShapes(pView); }
  bool AttachProcessData(CWnd* pView) override { return m_plant.AttachProcessData(pView); }
  CPlant* GetPlant() override { return &m_plant; }
  bool IsResetProcessOn() const override { return m_plant.IsResetProcessOn(); }
  void SetResetProcessOn() override { m_plant.SetResetProcessOn(); }
  void DestroyProcessData() override { m_plant.DestroyProcessData(); }
  void DestroyDevices() override { m_plant.DestroyDevices(); }

 private:
  CPlant m_plant;  // the devices are made here, in the device list's order
};

}  // namespace

std::unique_ptr<IVekPlant> MakeVekPlant(const std::vector<PlantAttribNames>& names) {
  return std::make_unique<CVekPlant>(names);
}
