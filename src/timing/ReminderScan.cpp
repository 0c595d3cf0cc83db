#include "timing/ReminderScan.h"

#include <algorithm>
#include <cstdint>

#include "base/Text.h"
#include "engine/ScreenPort.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "timing/ClockPort.h"
#include "timing/MatchClock.h"
#include "timing/TimeWarning.h"

namespace vkr {
namespace {

struct TReminderMark {
  int Minutes;
  int Flag;  // SetReminded index
  bool TTimingState::*Switch;
  bool TTable::*Given;
};

constexpr TReminderMark kMarks[] = {
    {15, 0, &TTimingState::RemindAt15, &TTable::Reminded15},
    {10, 1, &TTimingState::RemindAt10, &TTable::Reminded10},
    {5, 2, &TTimingState::RemindAt5, &TTable::Reminded5},
};

// A start time from a damaged file can lie decades back.
int32_t Clamp32(int64_t value) { return static_cast<int32_t>(std::min<int64_t>(value, INT32_MAX)); }

bool AnyReminderOn(const TTimingState& s) { return s.RemindAt15 || s.RemindAt10 || s.RemindAt5; }

// Each reminder is due within the minute before its mark.
void GiveDueReminders(TTourney& t, TTableRef ref, int row, int64_t left) {
  for (const TReminderMark& mark : kMarks) {
    const TTable& table = t.Model.Table(ref);
    if (!(t.Timing.*mark.Switch) || table.*mark.Given) continue;
    if (left <= int64_t{mark.Minutes} * 60 - 60 || left > int64_t{mark.Minutes} * 60) continue;
    t.Model.SetReminded(ref, mark.Flag, true);
    CopyTimeWarning(t, table, row, static_cast<int32_t>(left / 60));
    t.Ports.Screen->Information(Sprintf("Table %d in round %s has %d minutes left. You may Ctrl+V into the table.",
                                        table.Number, RoundLabel(t, ref.Round, ref.Bracket).c_str(), mark.Minutes));
  }
}

}  // namespace

void ReminderScan(TTourney& t) {
  TTimingState& s = t.Timing;
  if (s.ScanInProgress) return;
  s.ScanInProgress = true;
  const TDateTime now = t.Ports.Clock->Now();
  std::vector<TOverdueRecord> overdue;
  const TModel& m = t.Model;
  const int lastRound = std::min(m.GrandFinalRound(), kRounds - 1);
  for (int b = 0; b <= t.ElimFormat && b < kBrackets; ++b) {
    for (int r = 0; r <= lastRound; ++r) {
      const int row = PointsRow(t, r, b);
      const int64_t limit = int64_t{t.Context.TimeLimits[static_cast<size_t>(row)]} * 60;
      if (limit <= 0) continue;  // no limit (a negative one from a damaged file too)
      const TRound& round = m.Round(b, r);
      for (int i = 0; i < round.TableCount && i < kTablesPerRound; ++i) {
        const TTable& table = round.Tables[static_cast<size_t>(i)];
        if (!MatchRunning(table)) continue;
        const int64_t played = SecondsPlayed(table, now);
        const int64_t left = limit - played;
        if (left < 0) {
          overdue.push_back(TOverdueRecord{table.Number, RoundLabel(t, r, b), Clamp32(played / 60),
                                           Clamp32(-left)});
        } else if (left > 240 && left <= 900 && AnyReminderOn(s)) {
          GiveDueReminders(t, TTableRef::Of(b, r, i), row, left);
        }
      }
    }
  }
  std::stable_sort(overdue.begin(), overdue.end(),
                   [](const TOverdueRecord& a, const TOverdueRecord& b) { return a.SecondsOver > b.SecondsOver; });
  s.Overdue = std::move(overdue);
  s.ScanInProgress = false;
}

}  // namespace vkr
