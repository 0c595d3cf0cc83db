#include "timing/MatchClock.h"

#include <cmath>

#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

// Milliseconds between two date-times, rounded, so that a whole second held
// as a fraction of a day does not show as 0.999 seconds.
int64_t MillisecondsBetween(TDateTime later, TDateTime earlier) {
  const double ms = (later - earlier) * kSecondsPerDay * 1000.0;
  return std::isfinite(ms) ? std::llround(ms) : 0;
}

}  // namespace

int ViewLimitRow(const TTourney& t, int bracket, int round) {
  const TModel& m = t.Model;
  if (bracket == Winners) {
    if (round == m.GrandFinalRound()) return 14;
    if (round == m.WinnersFinalRound()) return 13;
  } else if (bracket == OneLoss && round == m.OneLossFinalRound()) {
    return 13;
  }
  return round;
}

std::string HoursMinutes(int64_t seconds) {
  if (seconds < 0) seconds = 0;
  const int64_t minutes = seconds / 60;
  std::string text = std::to_string(minutes / 60);
  text += ':';
  text += static_cast<char>('0' + minutes % 60 / 10);
  text += static_cast<char>('0' + minutes % 10);
  return text;
}

bool MatchRunning(const TTable& table) { return table.StartTime > 0 && table.FinishTime == 0; }

int64_t SecondsPlayed(const TTable& table, TDateTime now) {
  return MatchRunning(table) ? SecondsBetween(now, table.StartTime) : 0;
}

TTimeLabel TimeLabelOf(const TTable& table, int32_t limitMinutes, bool showLeft, TDateTime now) {
  TTimeLabel label;
  if (table.StartTime <= 0) return label;
  const int64_t limit = int64_t{limitMinutes} * 60;
  int64_t shownMs = 0;
  int64_t played = 0;
  if (table.FinishTime <= 0) {
    played = SecondsPlayed(table, now);
    const int64_t runMs = MillisecondsBetween(now, table.StartTime);
    // The 59 seconds make a time left show the started minute.
    if (showLeft && limit > 0) shownMs = limit >= played ? (limit + 59) * 1000 - runMs : 0;
    else shownMs = runMs;
  } else {
    label.Ink = TLabelInk::Finished;
    shownMs = MillisecondsBetween(table.FinishTime, table.StartTime);
  }
  label.Text = HoursMinutes(shownMs / 1000);
  label.Flash = limit > 0 && limit < played && played % 2 == 1;
  return label;
}

std::string TimeLabelHint(TTourney& t, const TTable& table) {
  if (table.StartTime <= 0) return {};
  return "Started at " + t.Ports.Clock->ShortTime(table.StartTime);
}

void UpdateViewTimes(TTourney& t, TDateTime now) {
  for (int b = 0; b < kBrackets; ++b) {
    auto& labels = t.Timing.RowLabels[static_cast<size_t>(b)];
    const int round = t.View.ShownRound[static_cast<size_t>(b)];
    if (b > t.ElimFormat || round < 0 || round >= kRounds) {
      labels.fill(TTimeLabel{});
      continue;
    }
    const int32_t limit = t.Context.TimeLimits[static_cast<size_t>(ViewLimitRow(t, b, round))];
    // Only the winners view counts down; the other views keep their ink.
    const bool winners = b == Winners;
    const bool showLeft = winners && t.Timing.DisplayMatchTimeRemaining;
    const TRound& r = t.Model.Round(b, round);
    for (int i = 0; i < kSearchTables[b]; ++i) {
      TTimeLabel label = TimeLabelOf(r.Tables[static_cast<size_t>(i)], limit, showLeft, now);
      if (!winners) label.Ink = TLabelInk::Running;
      labels[static_cast<size_t>(i)] = std::move(label);
    }
  }
}

}  // namespace vkr
