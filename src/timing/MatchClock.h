#pragma once
// A match's clock against its round's time limit, as the time labels of the
// bracket views show it.
#include <cstdint>
#include <string>

#include "base/DateTime.h"
#include "timing/TimingState.h"

namespace vkr {

struct TTourney;

// The time-limit row used for a row of a bracket view. It differs from
// PointsRow: the winners final uses row 13 and the one-loss final row 13 in
// every format that has them.
int ViewLimitRow(const TTourney& t, int bracket, int round);
// A duration as hours and minutes, "h:mm"; negative durations show 0:00.
std::string HoursMinutes(int64_t seconds);
// Whole seconds a running match has been played, rounded; 0 otherwise.
int64_t SecondsPlayed(const TTable& table, TDateTime now);
// A running match: started and not finished.
bool MatchRunning(const TTable& table);
// The label of a row: limitMinutes is the round's limit (0 for none);
// showLeft counts down to the limit instead of up.
TTimeLabel TimeLabelOf(const TTable& table, int32_t limitMinutes, bool showLeft, TDateTime now);
// The label's hint: "Started at " and the start time; empty when not started.
std::string TimeLabelHint(TTourney& t, const TTable& table);
// Refreshes the labels of the rows each view shows.
void UpdateViewTimes(TTourney& t, TDateTime now);

}  // namespace vkr
