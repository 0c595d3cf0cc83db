#pragma once
// Header parts shared by the text report and the points summary.
#include <string>
#include <vector>

#include "base/DateTime.h"

namespace vkr {

struct TTourney;

// When the first table of the first winners round started, once the
// tournament has started (and that time is known); else today.
TDateTime TournamentDate(const TTourney& t);
// The tournament date as "mm/dd/yyyy".
std::string TournamentDateText(const TTourney& t);
// "Host:  name (player name)", then the same for the co-host when one is set.
void AppendHostLines(std::vector<std::string>& lines, const TTourney& t);

}  // namespace vkr
