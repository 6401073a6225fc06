#include "app/StandInPlant.h"

#include "core/VekEngineBase.h"

CVekEngineBase* CStandInPlant::CreateEngine() { return new CVekEngineBase; }

void CStandInPlant::OpenSettingsFile(const std::string& strPath) { m_pSettings = std::make_unique<CIniFile>(strPath); }
