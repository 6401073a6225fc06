// IVekPlant: what the application asks of the plant. The application builds
// and tears down the program in a fixed order (start-up steps 3 and 4, the
// supervise view's creation, the exit); every step that needs this plant's
// own objects (process-data objects, the plant engine, the device shapes)
// goes through here.
//
// MakeVekPlant (VekPlant.cpp) makes the plant the program runs with: this
// plant's objects (plant/CPlant), whose devices are made with it. Tests
// hand the application plants of their own.
//
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <vector>

#include "plant/PlantAttribNames.h"

class CPlant;
class CVekEngineBase;
class CWnd;

class IVekPlant {
 public:
  virtual ~IVekPlant() = default;

  // ---- Start-up, in the order the application calls them ---------------------------------
  // Creates the process-data objects in their table order (general, shift,
  // recipe, loops 0-5, alarms 0-24), each with settings-file index 1.
  virtual void CreateProcessData() = 0;
  // Creates the plant engine, not yet started; the engine slot
  // (CVekEngineBase::SetEngine) owns it from then on. Null when none could
  // be made.
  virtual CVekEngineBase* CreateEngine() = 0;

  // ---- The supervise view's creation --------------------------------------------------------
  // Creates every device shape of the device list as a child window of the
  // view, class by class in the device list's order. False fails the view.
  virtual bool CreateDeviceShapes(CWnd* pView) = 0;
  // After the record sets are open: creates the window of every
  // process-data object with the view as parent and makes the active
  // records of the Recipe and Shift tables current. False fails the view.
  virtual bool AttachProcessData(CWnd* pView) = 0;

  // ---- The running plant ------------------------------------------------------------------------
  // This plant's own objects (devices, process data, record sets, the plant
  // rules' subject); null for a plant that has none (a test's stand-in).
  virtual CPlant* GetPlant() = 0;

  // ---- Commands ---------------------------------------------------------------------------------
  // The general process-data object's "reset process" flag (attribute 35).
  virtual bool IsResetProcessOn() const = 0;
  virtual void SetResetProcessOn() = 0;

  // ---- Exit ----------------------------------------------------------------------------------------
  // Destroys and deletes the process-data objects in table order; the
  // engine still exists.
  virtual void DestroyProcessData() = 0;
  // Destroys and deletes the device shapes. The engine runs no cycle any
  // more (shut down); the settings files and the device-name list still
  // exist, so a window still there saves its colours.
  virtual void DestroyDevices() = 0;
};

// The plant the program runs with; its attribute names are checked against
// the given table (the program's own unless a test hands another).
std::unique_ptr<IVekPlant> MakeVekPlant(const std::vector<PlantAttribNames>& names = PlantAttribNameTable());
// The plant of the running application; null when there is none.
IVekPlant* GetVekPlant();
// The application's one route to the plant's own objects: the running
// application's plant's GetPlant(); null when there is none.
CPlant* GetAppPlant();
