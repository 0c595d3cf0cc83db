#include "timing/Boots.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

int32_t BootSecondsLeft(const TTourney& t, int entry) {
  const TPlayer& p = t.Model.Player(entry);
  int64_t left = int64_t{t.Format.BootTime} * 60;
  if (p.BootStart != 0) left -= SecondsBetween(t.Ports.Clock->Now(), p.BootStart);
  return static_cast<int32_t>(
      std::clamp<int64_t>(left, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace vkr
