// The plant the program runs with. When the plant instance (plant/) exists,
// it takes the stand-in's place here.
#include "app/StandInPlant.h"
#include "app/VekPlant.h"

std::unique_ptr<IVekPlant> MakeVekPlant() { return std::make_unique<CStandInPlant>(); }
