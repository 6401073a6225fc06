// CStandInPlant: the plant the program runs with until the plant instance
// exists. Its engine is the plain CVekEngineBase (tag file, users,
// database, data sources, log); it has no device shapes and no
// process-data objects. Threads: user-interface thread.
#pragma once

#include "app/VekPlant.h"

class CStandInPlant : public IVekPlant {
 public:
  void CreateProcessData() override {}
  CVekEngineBase* CreateEngine() override;
  bool CreateDeviceShapes(CWnd*) override { return true; }
  bool AttachProcessData(CWnd*) override { return true; }
  bool IsResetProcessOn() const override { return m_bResetProcess; }
  void SetResetProcessOn() override { m_bResetProcess = true; }
  void DestroyProcessData() override {}

 private:
  bool m_bResetProcess = false;
};
