// CMaterial: a material record; the plant object holds the plant's one
// ("Detergent", unit "Kg"). It keeps
// three stopwatches, indexes, counters, flags, six figures and three sample
// stacks; the supervise view sizes the first stack to 60 samples at start,
// and no other part of the program reads or writes the record.
// Threads: user-interface thread.
#pragma once

#include <string>

#include "core/VStack.h"
#include "core/VTimer.h"

class CMaterial {
 public:
  // Resets, then stores the name (trimmed), the unit and the given numbers:
  // the third index, the first, second and fifth counters and the four
  // further ints.
  CMaterial(const std::string& name, const std::string& unit, int nIndex3, int nCount1, int nCount2, int nCount5,
            int nExtra1, int nExtra2, int nExtra3, int nExtra4);
  virtual ~CMaterial() = default;
  CMaterial(const CMaterial&) = delete;
  CMaterial& operator=(const CMaterial&) = delete;

  // Every int -1, both flags false, the six figures -1, 0, 0, -1, -1, 0.
  virtual void Reset();

  const std::string& GetName() const { return m_strName; }
  void SetName(const std::string& name);
  const std::string& GetUnit() const { return m_strUnit; }
  // The first sample stack.
  CVStack* GetStack() { return &m_Stacks[0]; }

 private:
  CVTimer m_Timers[3];  // not running
  std::string m_strName;
  int m_nIndex1 = -1;
  int m_nIndex2 = -1;
  int m_nIndex3 = -1;
  std::string m_strUnit;
  int m_nCounts[5] = {-1, -1, -1, -1, -1};
  int m_nExtras[4] = {-1, -1, -1, -1};
  bool m_bFlags[2] = {false, false};
  float m_fFigures[6] = {};
  CVStack m_Stacks[3];
};
