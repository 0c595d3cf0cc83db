#include "engine/HostDetails.h"

#include "engine/Tourney.h"

namespace vkr {

THostDetails HostDetailsOf(const TTourney& t) {
  return {t.Context.HostName,      t.Context.CoHostName,    t.Format.HostPlayerName,
          t.Format.CoHostPlayerName, t.Context.RulesTimeText, t.Context.StartTimeText};
}

void SetHostDetails(TTourney& t, const THostDetails& d) {
  t.Context.HostName = d.HostName;
  t.Context.CoHostName = d.CoHostName;
  t.Format.HostPlayerName = d.HostPlayerName;
  t.Format.CoHostPlayerName = d.CoHostPlayerName;
  t.Context.RulesTimeText = d.RulesTimeText;
  t.Context.StartTimeText = d.StartTimeText;
}

}  // namespace vkr
