#include "app/StandInPlant.h"

#include "core/VekEngineBase.h"

CVekEngineBase* CStandInPlant::CreateEngine() { return new CVekEngineBase; }
