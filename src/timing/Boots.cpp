#include "timing/Boots.h"

#include <algorithm>
#include <cmath>

#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "storage/ActionLog.h"
#include "timing/ClockPort.h"

namespace vkr {

void BootReturned(TTourney& t, int entry) {
  TModel& m = t.Model;
  if (std::fabs(m.Player(entry).BootStart - t.Ports.Clock->Now()) > 0.0001) {
    m.SetBootCount(entry, m.Player(entry).BootCount + 1);
  }
  WriteLogLine(t, "    -> Boot returned: " + m.Player(entry).Name);
  auto& booted = t.BootedPlayers;
  booted.erase(std::remove(booted.begin(), booted.end(), entry), booted.end());
  m.SetBootStart(entry, 0);
  t.Ports.Screen->ControlsChanged();
}

}  // namespace vkr
