// The one-second tick of the host window on a 256-entry triple elimination
// whose three shown rounds have every seated table running, with 20 boots
// active and every running match over its limit (the overdue list is rebuilt
// each time) and both extra clocks set.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/Tourney.h"
#include "fakes/FakeTimeZones.h"
#include "support/TourneyHost.h"
#include "timing/Boots.h"
#include "timing/TimerTick.h"
#include "timing/ZoneClocks.h"

using namespace vkr;

int main() {
  constexpr double kTargetMedian = 50.0;  // microseconds per tick
  constexpr int kTicks = 3000;
  constexpr int kBoots = 20;

  test::TEngineHost h(ElimTriple);
  h.AddPlayers(256);
  h.Close();
  TTourney& t = h.T;
  // Winners 1 and 2 and one-loss 2 decided: winners 3, one-loss 3 and
  // two-loss 3 are full and running.
  h.PlayRound(Winners, 0);
  h.PlayRound(Winners, 1);
  h.PlayRound(OneLoss, 1);
  t.View.ShownRound = {2, 2, 2};
  t.Context.TimeLimits.fill(45);
  t.Format.BootTime = 100;  // no boot runs out while measuring
  test::TFakeTimeZones zones;
  t.Ports.TimeZones = &zones;
  LoadZoneClocks(t);

  int running = 0;
  for (int b = 0; b < kBrackets; ++b) {
    const TRound& r = t.Model.Round(b, 2);
    for (int i = 0; i < r.TableCount; ++i) running += r.Tables[static_cast<size_t>(i)].StartTime > 0;
  }
  int boots = 0;
  for (int i = 0; boots < kBoots && i < t.Model.Round(Winners, 2).TableCount; ++i) {
    for (int seat = 0; seat < 2 && boots < kBoots; ++seat, ++boots) {
      BootButtonClick(t, TTableRef::Of(Winners, 2, i), seat);
    }
  }
  h.Clock.Advance(50 * 60);

  std::vector<double> micros;
  micros.reserve(kTicks);
  for (int i = 0; i < kTicks; ++i) {
    h.Clock.Advance(1);
    const auto start = std::chrono::steady_clock::now();
    TimerTimer(t);
    const auto end = std::chrono::steady_clock::now();
    micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  }
  std::sort(micros.begin(), micros.end());
  const double median = micros[micros.size() / 2];
  std::printf("timer tick: 256-entry triple, %d running tables on the shown rounds, %zu overdue, %zu active boots\n",
              running, t.Timing.Overdue.size(), t.Timing.ActiveBoots.size());
  std::printf("median %.2f us (target %.0f, ratio %.2f), 99th percentile %.2f us, %d ticks\n", median, kTargetMedian,
              median / kTargetMedian, micros[micros.size() * 99 / 100], kTicks);
  return t.Timing.ActiveBoots.size() == kBoots ? 0 : 1;
}
