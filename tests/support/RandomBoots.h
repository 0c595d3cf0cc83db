#pragma once
// Boots mixed into a random tournament: boot buttons, boot-menu commands and
// the clock moving on with a tick, chosen between the clicks.
#include <cstdint>
#include <string>

#include "base/Random.h"

namespace vkr {
struct TTourney;
}

namespace vkr::test {

class TRandomBoots {
 public:
  explicit TRandomBoots(uint64_t seed) : FRandom(seed) {}
  // One boot action, or none; gives what it did ("" for nothing).
  std::string Act(TTourney& t);
  int Boots() const { return FBoots; }
  int TimeOuts() const { return FTimeOuts; }
  bool Ticked() const { return FTicked; }

 private:
  std::string PressBootButton(TTourney& t);
  std::string UseBootMenu(TTourney& t);
  std::string MoveClock(TTourney& t);
  TRandom FRandom;
  int FBoots = 0;
  int FTimeOuts = 0;
  bool FTicked = false;
};

// The first broken rule of the boot records, or an empty text; justTicked:
// right after a tick, when no taken-back boot may be timed any more.
std::string CheckBootInvariants(const TTourney& t, bool justTicked);

}  // namespace vkr::test
