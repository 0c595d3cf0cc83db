#pragma once
// The comma-separated report: one row per decided table of every bracket in
// use, with its points, players and times, for a spreadsheet.
#include <string>
#include <vector>

#include "base/DateTime.h"

namespace vkr {

struct TTourney;

// Appends the report's lines; throws std::out_of_range on a damaged model,
// leaving the lines built so far.
void BuildCsvReport(const TTourney& t, std::vector<std::string>& lines);

// Whole minutes from start to finish, halves to even.
long long DurationMinutes(TDateTime start, TDateTime finish);

}  // namespace vkr
