// The process-wide bookkeeping of the shapes, used by C_BaseShape only: the
// instance counters per control type and INI-file index, and the
// device-name list. The INI-file table and the shared font are reached
// through C_BaseShape's static members.
// The state lives until the process ends, so it outlives every shape.
// User-interface thread only.
#pragma once

#include <string>

namespace shape_registry {

// Counts one more live shape of the kind; returns the new count.
int CountInstance(int controlType, int iniIndex);
// Counts one shape less (never below zero).
void ReleaseInstance(int controlType, int iniIndex);
int InstanceCount(int controlType, int iniIndex);

void AddDeviceName(const std::string& name);
// Removes the last entry equal (case-sensitive) to the name, if any.
void RemoveDeviceName(const std::string& name);

}  // namespace shape_registry
