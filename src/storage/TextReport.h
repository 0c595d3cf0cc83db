#pragma once
// The fixed-width text report: the decided tables of the winners bracket
// round by round, the final with the finalists' e-mail addresses, and the
// one-loss bracket.
#include <string>
#include <vector>

namespace vkr {

struct TTourney;

// Appends the report's lines; throws std::out_of_range on a damaged model,
// leaving the lines built so far.
void BuildTextReport(const TTourney& t, std::vector<std::string>& lines);

}  // namespace vkr
