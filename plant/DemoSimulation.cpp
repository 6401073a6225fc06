#include "plant/DemoSimulation.h"

void CDemoSimulation::AdvanceWalk() {
  for (int& counter : m_nDemoWalk) counter = (counter + m_random.Next() % kDemoWalkStep) % kDemoWalkRange;
}

int NextDemoNozzle(int n, int count) { return n < count ? n + 1 : 1; }
