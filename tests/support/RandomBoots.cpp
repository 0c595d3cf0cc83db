#include "support/RandomBoots.h"

#include <algorithm>
#include <vector>

#include "base/Text.h"
#include "fakes/FakePorts.h"
#include "support/RandomPlay.h"
#include "timing/BootMenu.h"
#include "timing/Boots.h"
#include "timing/TimerTick.h"

namespace vkr::test {
std::string TRandomBoots::Act(TTourney& t) {
  FTicked = false;
  if (!t.SignupsClosed) return {};
  const int roll = FRandom.Below(100);
  if (roll < 6) return PressBootButton(t);
  if (roll < 9) return UseBootMenu(t);
  if (roll < 30) return MoveClock(t);
  return {};
}

std::string TRandomBoots::PressBootButton(TTourney& t) {
  const std::vector<TWinButton> seats = SeatsInPlay(t);
  if (seats.empty()) return {};
  const TWinButton& s = seats[static_cast<size_t>(FRandom.Below(static_cast<int>(seats.size())))];
  const TTableRef table = TTableRef::Of(s.Bracket, s.Round, s.TableIndex);
  FBoots += t.Model.Player(t.Model.Table(table).Seat[static_cast<size_t>(s.Seat)]).BootStart == 0;
  BootButtonClick(t, table, s.Seat);
  return Sprintf("boot button %d/%d/%d seat %d", s.Bracket, s.Round, s.TableIndex, s.Seat);
}

std::string TRandomBoots::UseBootMenu(TTourney& t) {
  static constexpr bool (*kItems[])(TTourney&, TTableRef, int) = {
      ClearBootCountItemClick, SilentCancelBootTimingItemClick, CancelBootedStateItemClick,
      IncrementBootCountItemClick, DecrementBootCountItemClick};
  const std::vector<TWinButton> seats = SeatsInPlay(t);
  if (seats.empty()) return {};
  const TWinButton& s = seats[static_cast<size_t>(FRandom.Below(static_cast<int>(seats.size())))];
  const int item = FRandom.Below(5);
  kItems[item](t, TTableRef::Of(s.Bracket, s.Round, s.TableIndex), s.Seat);
  return Sprintf("boot menu item %d at %d/%d/%d seat %d", item, s.Bracket, s.Round, s.TableIndex, s.Seat);
}

// Up to ten minutes on, then one tick: boots run out along the way.
std::string TRandomBoots::MoveClock(TTourney& t) {
  auto& clock = static_cast<TFakeClock&>(*t.Ports.Clock);
  const int seconds = FRandom.Below(600);
  clock.Advance(seconds);
  const size_t booted = t.BootedPlayers.size();
  TimerTimer(t);
  FTicked = true;
  FTimeOuts += t.BootedPlayers.size() < booted;
  return Sprintf("clock on %d s and tick", seconds);
}

std::string CheckBootInvariants(const TTourney& t, bool justTicked) {
  const TModel& m = t.Model;
  std::vector<int16_t> seen;
  for (int16_t e : t.BootedPlayers) {
    if (e < 0 || e >= m.PlayerCount()) return Sprintf("booted list holds %d", e);
    if (std::find(seen.begin(), seen.end(), e) != seen.end()) return Sprintf("entry %d is booted twice", e);
    seen.push_back(e);
    // An undo may take a boot back; the next tick drops it.
    if (justTicked && m.Player(e).BootStart == 0) return Sprintf("entry %d is timed without a boot", e);
  }
  for (int e = 0; e < m.PlayerCount(); ++e) {
    if (m.Player(e).BootCount < 0) return Sprintf("entry %d has boot count %d", e, m.Player(e).BootCount);
  }
  return {};
}

}  // namespace vkr::test
