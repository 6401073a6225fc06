// The plant's own rules that the supervise view runs when the plant tells
// it something, apart from the window: the Demo follow-ups of a changed
// device attribute, the belt's relation of flow and speed (one formula
// each way, used by the engine's cycle and by the follow-ups), a running
// drive's Demo value, the shift totals copy, the recipe-download flag and
// the Demo restart on a new active recipe. The view's handlers call these
// and show what they report; tests call them on a plant without a window.
// Threads: user-interface thread (the pure formulas: any thread).
#pragma once

#include <string>

class CPlant;
class CRecipeRS;
class CVAttrib;
class CVAttribsPack;

// ---- The belt ------------------------------------------------------------------------------
// The belt's flow from its speed and load, as the Demo cycle writes it:
// Load x 0.037 x Speed.
inline constexpr double kBeltFlowPerLoadAndSpeed = 0.037;
float BeltFlowFromSpeed(float load, float speed);
// The belt's speed from its flow and load, as the follow-up writes it:
// Flow x 27.02 / Load; false (nothing to write) when the load is not above
// 0. The factor is the plant's rounded inverse of 0.037 (1 / 0.037 is
// 27.027...), so a speed taken to a flow and back comes out about 0.03 %
// lower; both are kept as the plant has always shown them.
inline constexpr double kBeltSpeedPerFlowAndLoad = 27.02;
bool BeltSpeedFromFlow(float flow, float load, float* pSpeed);

// ---- Drives in Demo ---------------------------------------------------------------------------
// A drive's value in Demo when it is switched on or off: half its maximum
// while on, else 0 (a pump's stroke, speed and flow, a belt's flow and
// speed, a fan's or wheel's speed).
float DemoRunningValue(bool bOn, float max);

// ---- Follow-ups of a changed attribute ---------------------------------------------------
// The Demo follow-ups of a device attribute whose value changed (name, its
// boolean value b): a belt's Load or Flow sets belt 0's speed from its flow;
// DiOnOffSpeed of a belt, dosing pump, centrifugal machine or wheel sets its
// running values (a belt also the tower's powder density 330 / 0 and
// moisture 2 / 0). Nothing for another object or name; nothing unless the
// engine runs the Demo source, where nothing measures these values.
void ApplyDemoFollowUps(CPlant& plant, CVAttribsPack* owner, const std::string& name, bool b);
// The shift object's totals into the Shift table's active record (total
// produced, total time, useful time, total slurry), written back; false
// when there is no table, no shift object or no active record, or when the
// row could not be written (the records show why).
bool CopyShiftTotals(CPlant& plant);

// ---- The recipe --------------------------------------------------------------------------------
// What the view shows after the recipe object's pending flags changed.
enum class RecipePendingShow {
  Nothing,
  RecipeWindow,  // read complete and the PC and PLC recipes differ
  Downloading,   // write pending: "Recipe is downloading to PLC..."
  Downloaded,    // write complete: "Recipe is downloaded."
};
// A pending-changed notice (code AC_READ_PENDING or AC_WRITE_PENDING) of
// pack: only the recipe object's count. A write-pending change sets the
// general VI_bRecipeIsDownloading to the recipe object's write-pending flag.
RecipePendingShow ApplyRecipePendingChange(CPlant& plant, CVAttribsPack* pack, int code);
// The Recipe table when a table notice (record set, code) is its "active
// record set" notice; else null.
CRecipeRS* ActiveRecipeNoticeTable(CPlant& plant, const void* recordSet, int code);
// A new active recipe restarts the Demo plant (StartDemoSource) while the
// engine runs the Demo source; true when it did.
bool RestartDemoForNewRecipe();
