// CStandInPlant: the plant the program runs with until the plant instance
// exists. Its engine is the plain CVekEngineBase (tag file, users,
// database, data sources, log); it has no device shapes and no
// process-data objects, and keeps the settings file open as the pack table
// would. Threads: user-interface thread.
#pragma once

#include <memory>

#include "app/VekPlant.h"
#include "core/IniFile.h"

class CStandInPlant : public IVekPlant {
 public:
  void CreateProcessData() override {}
  CVekEngineBase* CreateEngine() override;
  void OpenSettingsFile(const std::string& strPath) override;
  bool CreateDeviceShapes(CWnd*) override { return true; }
  bool AttachProcessData(CWnd*) override { return true; }
  bool IsResetProcessOn() const override { return m_bResetProcess; }
  void SetResetProcessOn() override { m_bResetProcess = true; }
  void DestroyProcessData() override {}
  void DeleteSettingsFiles() override { m_pSettings.reset(); }

 private:
  std::unique_ptr<CIniFile> m_pSettings;
  bool m_bResetProcess = false;
};
