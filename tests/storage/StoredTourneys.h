#pragma once
// Small tournaments built through the host's own operations, with a value
// other than the default in every setting the file stores.
#include "fakes/FakePorts.h"

namespace vkr::test {

struct TStoredTourneyPlan {
  const char* FileName = "t.vkr";
  int Format = 0;
  bool Teams = false;
  int Entries = 8;
  int Clicks = 0;  // results entered at random tables (seeded)
};

void BuildStoredTourney(TTestHost& host, const TStoredTourneyPlan& plan);

}  // namespace vkr::test
