// What the plant must be for a loop to go automatic, apart from the loop
// buttons: the facts read from the running plant, whether a loop may go
// automatic and why not (the Persian reasons, one line each), and the facts
// a click on a loop button is decided on (app/LoopRules.h decides it).
// CanLoopGoAutomatic is a pure function of the facts (any thread); the
// Gather functions read the plant (user-interface thread).
#pragma once

#include <array>
#include <string>

class CPlant;

// The state of one drive that a loop needs: on, in alarm, under local
// (not PLC) control.
struct LoopDriveFacts {
  bool bOn = false;
  bool bAlarm = false;
  bool bLocal = false;
};

// Everything the precondition check reads.
struct LoopFacts {
  std::array<bool, 6> bInPlcCtrl{};  // InPlcCtrl of loops 0-5
  bool bPowerExist = false;          // general VI_bPowerExist
  bool bNoEmergencyStop = false;     // general VI_bNoEmergencyStop
  bool bInputInterlock = false;      // general VI_bInputInterluck
  bool bHotAir2Tower = false;        // general HotAir2Tower
  bool bReturnValveOpen = false;     // general VI_bIsOpenReturnVlv
  LoopDriveFacts suctionFan;         // centrifugal machine 0
  LoopDriveFacts highPressure1;      // dosing pump 0
  LoopDriveFacts dilutionFan;        // centrifugal machine 7
  LoopDriveFacts combustionFan;      // centrifugal machine 6
  bool bFurnaceOn = false;           // heat zone 0 DiOnOffFuel
  LoopDriveFacts densityBelt;        // belt 0
};

// The loop's reasons against automatic mode, each line beginning with a
// line break and joined with "\r\n", in the order of the checks; true (and
// an empty reason) when nothing prevents it. The PLC-control checks test
// InPlcCtrl as the plant has always done (also where the loop named is
// meant to be automatic). pReason may be null.
bool CanLoopGoAutomatic(const LoopFacts& facts, int nLoop, std::string* pReason);

// The facts a click on a loop button is decided on, the first that holds.
struct LoopClickFacts {
  bool bInAutomat = false;
  bool bActiveShift = false;
  bool bActiveRecipe = false;
  bool bRecipeWritePending = false;
  bool bRecipeDiffers = false;
  bool bReady = false;  // CanLoopGoAutomatic
};

// The precondition facts of the plant as it is now (a missing object reads
// false).
LoopFacts GatherLoopFacts(CPlant& plant);
// The click facts of loop nLoop: its InAutomat, the Shift and Recipe tables'
// active records, the recipe object's write-pending flag, the PC/PLC recipe
// comparison and CanLoopGoAutomatic (its reason into pReason, may be null).
LoopClickFacts GatherLoopClickFacts(CPlant& plant, int nLoop, std::string* pReason);
