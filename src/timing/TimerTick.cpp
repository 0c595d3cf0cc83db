#include "timing/TimerTick.h"

#include "engine/Tourney.h"
#include "lobby/LobbyChoice.h"
#include "timing/BootTick.h"
#include "timing/ClockPort.h"
#include "timing/MatchClock.h"
#include "timing/ReminderScan.h"
#include "timing/ZoneClocks.h"

namespace vkr {

void TimerTimer(TTourney& t) {
  BootTick(t);
  const TDateTime now = t.Ports.Clock->Now();
  UpdateStatusClocks(t, now);
  UpdateViewTimes(t, now);
  ReminderScan(t);
  ReattachLobby(t);
}

}  // namespace vkr
