#pragma once
// The host details a tournament carries: the hosts' names and player names
// and the texts of the rules-time and start-time boxes. The new-tournament
// dialog and the tournament file both hand them over as one.
#include <string>

namespace vkr {

struct TTourney;

struct THostDetails {
  std::string HostName, CoHostName, HostPlayerName, CoHostPlayerName;
  std::string RulesTimeText, StartTimeText;
};

THostDetails HostDetailsOf(const TTourney& t);
void SetHostDetails(TTourney& t, const THostDetails& details);

}  // namespace vkr
