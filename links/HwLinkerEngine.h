// CHwLinkerEngine: the hardware link of the engine, made by the engine's
// factory at start-up and deleted at shut-down. This build has no link to
// any hardware (Advantech, Modbus or OPC): the base link exchanges nothing,
// so with the data source Real HW hardware-linked tags get no values.
// Thread-safety: made, used and deleted on the user-interface thread.
#pragma once

#include <string>

class CHwLinkerEngine {
 public:
  CHwLinkerEngine() = default;
  virtual ~CHwLinkerEngine() = default;
  CHwLinkerEngine(const CHwLinkerEngine&) = delete;
  CHwLinkerEngine& operator=(const CHwLinkerEngine&) = delete;

  // The kind of link ("None" here).
  virtual std::string GetLinkName() const { return "None"; }
  // Connects to the hardware when the data source becomes Real HW, and
  // disconnects when it is closed. True when connected (none here: false).
  virtual bool Connect() { return false; }
  virtual void Disconnect() {}
  virtual bool IsConnected() const { return false; }
  // One exchange with the hardware (a 200 ms cycle of the link).
  virtual void ExchangeData() {}
};
