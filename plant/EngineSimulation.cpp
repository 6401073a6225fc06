// CVekEngineApp: the cycle work of the data obtainer: the Demo simulation
// (walk counters, nozzles, drives following their walk, the diverters'
// saw-tooth, the total slurry), the Demo feedback copy and the Real HW
// handlers of the diverter valves.
#include "attrib/AttribTypes.h"
#include "plant/DeviceAttribs.h"
#include "plant/PlantRules.h"
#include "plant/VekEngineApp.h"

namespace {

// A feedback that follows its command in Demo, per class.
struct FeedbackCopy {
  int controlType;
  const char* feedback;
  const char* command;
};

constexpr FeedbackCopy kFeedbackCopies[] = {
    {CT_BELT, "DiOnOffSpeed", "DoOnOffSpeed"},          {CT_DOSE_PUMP, "DiOnOffSpeed", "DoOnOffSpeed"},
    {CT_CNTR_FGL_PUMP, "DiOnOffSpeed", "DoOnOffSpeed"}, {CT_VESSEL, "DiOnOffSpeed", "DoOnOffSpeed"},
    {CT_RTRY_WHL, "DiOnOffSpeed", "DoOnOffSpeed"},      {CT_HEAT_ZONE, "DiOnOffPressure", "DoOnOffPressure"},
    {CT_VALVE, "DiOnOffPosition", "DoOnOffPosition"},   {CT_DBF_VALVE, "DiOnOffPosition", "DoOnOffPosition"},
};

// PowderDiverseValve and HotAirDiverseValve: instances of C_DBFValve.
constexpr int kHotAirDiverter = 0;
constexpr int kPowderDiverter = 1;
// MeasurBeltHopper: instance 1 of C_Vessel.
constexpr int kBeltHopper = 1;

}  // namespace

void CVekEngineApp::SimulateDemoInputs() {
  CDemoSimulation& demo = m_plant.Demo();
  demo.AdvanceWalk();
  SimulateNozzles();

  // The high-pressure pumps all follow counter 0.
  for (C_BaseShape* device : m_plant.Devices(CT_DOSE_PUMP)) {
    DeviceAttribs pump(m_plant, device);
    if (pump.HasWindow() && pump.Bool("AutoCntrlStroke"))
      pump.SetFloat("Speed", DeviceAttribs::Scaled(pump.Float("MaxVluSpeed"), demo.Demand(0)));
  }
  // In the cycle's order: the fans and pumps, the belt with its flow, the
  // belt hopper's level, then the wheels (the view receives the changes in
  // this order).
  FollowWalk(CT_CNTR_FGL_PUMP);
  FollowWalk(CT_BELT);
  DeviceAttribs hopper(m_plant, m_plant.Device(CT_VESSEL, kBeltHopper));
  if (hopper.HasWindow() && hopper.Bool("AutoCntrlLevel"))
    hopper.SetFloat("Level", DeviceAttribs::Scaled(hopper.Float("MaxVluLevel"), demo.Demand(1)));
  FollowWalk(CT_RTRY_WHL);

  // The diverters climb in 2 % steps and fall back to 0 at their maximum.
  for (C_BaseShape* device : m_plant.Devices(CT_DBF_VALVE)) {
    DeviceAttribs valve(m_plant, device);
    const float max = valve.Float("MaxVluPosition");
    const float position = valve.Float("Position");
    valve.SetFloat("Position", max > position ? static_cast<float>(static_cast<double>(position) +
                                                                   static_cast<double>(max) * 0.02)
                                              : 0.0f);
  }

  double total = 0.0;
  for (C_BaseShape* device : m_plant.Devices(CT_DOSE_PUMP)) {
    DeviceAttribs pump(m_plant, device);
    if (pump.Bool("DiOnOffSpeed")) total += static_cast<double>(pump.Float("Flow"));
  }
  SetPrcGeneralFloat(PG_TotalSlurryPressure, static_cast<float>(total));
}

// Every drive of the class that is shown on the mimic and in automatic
// control follows its own walk counter (drive j: counter j); the belt's
// flow follows its new speed.
void CVekEngineApp::FollowWalk(int controlType) {
  const CDemoSimulation& demo = m_plant.Demo();
  const std::vector<C_BaseShape*>& devices = m_plant.Devices(controlType);
  for (size_t j = 0; j < devices.size() && j < kDemoWalkCount; ++j) {
    DeviceAttribs drive(m_plant, devices[j]);
    if (!drive.HasWindow() || !drive.Bool("AutoCntrlSpeed")) continue;
    drive.SetFloat("Speed", DeviceAttribs::Scaled(drive.Float("MaxVluSpeed"), demo.Demand(static_cast<int>(j))));
    if (controlType == CT_BELT)
      drive.SetFloat("Flow", BeltFlowFromSpeed(drive.Float("Load"), drive.Float("Speed")));
  }
}

// At most once a second the next nozzle opens and the one five ahead of it
// closes; every open nozzle among the first twenty sprays at its maximum
// times its walk demand and is faulty below 30 % of it.
void CVekEngineApp::SimulateNozzles() {
  C_BaseShape* tower = m_plant.Device(CT_SPRAY_DRYER, 0);
  const TowerNozzleAccess& nozzles = m_plant.Nozzles();
  if (!tower || !nozzles.IsComplete()) return;
  CDemoSimulation& demo = m_plant.Demo();
  if (demo.m_DemoNozzleTimer.GetElapsedMs() > kDemoNozzlePeriodMs) {
    demo.m_DemoNozzleTimer.Restart();
    const int count = nozzles.count(*tower);
    demo.m_nDemoNozzleOn = NextDemoNozzle(demo.m_nDemoNozzleOn, count);
    demo.m_nDemoNozzleOff = NextDemoNozzle(demo.m_nDemoNozzleOff, count);
    nozzles.set(*tower, demo.m_nDemoNozzleOn, NOZZLE_OPEN, NOZZLE_FLAG_TRUE);
    if (nozzles.get(*tower, demo.m_nDemoNozzleOff, NOZZLE_OPEN) == NOZZLE_FLAG_TRUE)
      nozzles.set(*tower, demo.m_nDemoNozzleOff, NOZZLE_OPEN, NOZZLE_FLAG_FALSE);
  }
  for (int i = 1; i <= kDemoNozzleCount; ++i) {
    if (nozzles.get(*tower, i, NOZZLE_OPEN) != NOZZLE_FLAG_TRUE) {
      nozzles.set(*tower, i, NOZZLE_FAULT, NOZZLE_FLAG_FALSE);
      continue;
    }
    nozzles.set(*tower, i, NOZZLE_RATE, nozzles.get(*tower, i, NOZZLE_MAX) * demo.Demand((i - 1) % kDemoWalkCount));
    const double rate = nozzles.get(*tower, i, NOZZLE_RATE);
    const double max = nozzles.get(*tower, i, NOZZLE_MAX);
    const bool faulty = max != 0.0 && rate / max < 0.3;
    nozzles.set(*tower, i, NOZZLE_FAULT, faulty ? NOZZLE_FLAG_TRUE : NOZZLE_FLAG_FALSE);
  }
}

void CVekEngineApp::SimulateDemoFeedback() {
  if (!IsDemoSource()) return;
  for (const FeedbackCopy& copy : kFeedbackCopies) {
    for (C_BaseShape* device : m_plant.Devices(copy.controlType)) {
      DeviceAttribs shape(m_plant, device);
      shape.SetBool(copy.feedback, shape.Bool(copy.command));
      if (copy.controlType == CT_DBF_VALVE && shape.Bool("LlaFlgPosition")) shape.SetBool("LlaFlgPosition", false);
    }
  }
  for (int i = 0; i < kLoopCount; ++i) {
    C_ProcessDataLoop* loop = m_plant.Loop(i);
    if (loop && !loop->GetAttribBool(PL_InPlcCtrl)) loop->SetAttribBoolIfChanged(PL_InAutomat, false);
  }
}

void CVekEngineApp::ObtainRealHwData() {
  const auto fromEndFlags = [this](int instance, bool lowMeansMax) {
    DeviceAttribs valve(m_plant, m_plant.Device(CT_DBF_VALVE, instance));
    const float min = valve.Float("MinVluPosition");
    const float max = valve.Float("MaxVluPosition");
    float position = DeviceAttribs::Scaled(max, 0.5);
    if (valve.Bool("LlaFlgPosition"))
      position = lowMeansMax ? max : min;
    else if (valve.Bool("HlaFlgPosition"))
      position = lowMeansMax ? min : max;
    valve.SetFloat("Position", position);
  };
  fromEndFlags(kPowderDiverter, false);
  fromEndFlags(kHotAirDiverter, true);
}

// In a Real HW cycle this runs after ObtainRealHwData and overwrites the
// positions set there (kept as the plant has always done it).
void CVekEngineApp::DataObtainerCycleEnd() {
  if (!IsRealHwSource()) return;
  for (C_BaseShape* device : m_plant.Devices(CT_DBF_VALVE)) {
    DeviceAttribs valve(m_plant, device);
    float position = 0.0f;
    if (valve.Bool("LlaFlgPosition"))
      position = valve.Float("MinVluPosition");
    else if (valve.Bool("HlaFlgPosition"))
      position = valve.Float("MaxVluPosition");
    valve.SetFloat("Position", position);
  }
}
