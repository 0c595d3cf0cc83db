#include "formats/PlayerPointsDraft.h"

#include <algorithm>
#include <cstdlib>

#include "base/Text.h"
#include "engine/Tourney.h"
#include "formats/SettingLimits.h"
#include "storage/ActionLog.h"
#include "storage/PlayerPoints.h"
#include "storage/TournamentFile.h"

namespace vkr {
namespace {

bool AllRowsEqual(const TPointsList& list) {
  return std::all_of(list.begin(), list.end(), [&](int32_t v) { return v == list[0]; });
}

// A stored placing as the amount shown; the sign is the mode.
int32_t Amount(int32_t stored, TRange range) { return Clamped(std::llabs(int64_t{stored}), range); }

int32_t Placing(int32_t amount, TRange range, bool exactly) {
  const int32_t held = Clamped(amount, range);
  return exactly ? -held : held;
}

}  // namespace

TPlayerPointsDraft DraftOfPlayerPoints(const TPlayerPointsSettings& s) {
  TPlayerPointsDraft d;
  d.Columns = {s.Win, s.Bye, s.Lose};
  d.SameForAll = AllRowsEqual(s.Win) && AllRowsEqual(s.Bye) && AllRowsEqual(s.Lose);
  d.Exactly = s.FirstPlace < 0;
  d.First = Amount(s.FirstPlace, kFirstPlaceRange);
  d.Second = Amount(s.SecondPlace, kPlacingRange);
  d.Third = Amount(s.ThirdPlace, kPlacingRange);
  d.Host = Clamped(s.Host, kBonusRange);
  d.CoHost = Clamped(s.CoHost, kBonusRange);
  d.UnscheduledHost = Clamped(s.UnscheduledHost, kBonusRange);
  d.UnscheduledCoHost = Clamped(s.UnscheduledCoHost, kBonusRange);
  d.WinOfWin = Clamped(s.WinOfWin, kBonusRange);
  d.FixedWinOfWin = Clamped(s.FixedWinOfWin, kBonusRange);
  d.FirstMatchWin = Clamped(s.FirstMatchWin, kBonusRange);
  return d;
}

TPlayerPointsSettings SettingsOfDraft(const TPlayerPointsDraft& d) {
  TPlayerPointsSettings s;
  s.Win = d.Columns[ColumnWin];
  s.Bye = d.Columns[ColumnBye];
  s.Lose = d.Columns[ColumnLose];
  s.FirstPlace = Placing(d.First, kFirstPlaceRange, d.Exactly);
  s.SecondPlace = Placing(d.Second, kPlacingRange, d.Exactly);
  s.ThirdPlace = Placing(d.Third, kPlacingRange, d.Exactly);
  s.Host = Clamped(d.Host, kBonusRange);
  s.CoHost = Clamped(d.CoHost, kBonusRange);
  s.UnscheduledHost = Clamped(d.UnscheduledHost, kBonusRange);
  s.UnscheduledCoHost = Clamped(d.UnscheduledCoHost, kBonusRange);
  s.WinOfWin = Clamped(d.WinOfWin, kBonusRange);
  s.FixedWinOfWin = Clamped(d.FixedWinOfWin, kBonusRange);
  s.FirstMatchWin = Clamped(d.FirstMatchWin, kBonusRange);
  return s;
}

bool GridKeyAccepted(char key) { return (key >= '0' && key <= '9') || key == '\b' || key == '\t' || key == '\r'; }

int32_t CellValue(std::string_view text) {
  int32_t value = 0;
  return TryParseInt(text, value) ? value : 0;
}

void SetCell(TPlayerPointsDraft& d, int column, int row, std::string_view text) {
  if (column < 0 || column >= kPointsColumns || row < 0 || row >= kPointsRows) return;
  TPointsList& list = d.Columns[static_cast<size_t>(column)];
  const int32_t value = CellValue(text);
  if (d.SameForAll) list.fill(value);
  else list[static_cast<size_t>(row)] = value;
}

void SetSameForAll(TPlayerPointsDraft& d, bool same) {
  d.SameForAll = same;
  if (same) {
    for (TPointsList& list : d.Columns) list.fill(list[0]);
  }
}

void PlayerPointsClick(TTourney& t) { WriteLogLine(t, "Menu: Format/Options/Player points"); }

void ApplyPlayerPoints(TTourney& t, const TPlayerPointsDraft& draft) {
  t.Format.PlayerPoints = SettingsOfDraft(draft);
  UpdatePlayerState(t);
  SaveTournament(t);
}

}  // namespace vkr
