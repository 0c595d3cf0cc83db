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

// The host and bonus points of s, each held in its range; nothing else.
TPlayerPointsSettings HeldBonuses(const TPlayerPointsSettings& s) {
  TPlayerPointsSettings held;
  for (int32_t TPlayerPointsSettings::*field : kBonusFields) held.*field = Clamped(s.*field, kBonusRange);
  return held;
}

}  // namespace

const std::array<int32_t TPlayerPointsSettings::*, 7> kBonusFields = {
    &TPlayerPointsSettings::Host,          &TPlayerPointsSettings::CoHost,
    &TPlayerPointsSettings::UnscheduledHost, &TPlayerPointsSettings::UnscheduledCoHost,
    &TPlayerPointsSettings::WinOfWin,      &TPlayerPointsSettings::FixedWinOfWin,
    &TPlayerPointsSettings::FirstMatchWin};

TPlayerPointsDraft DraftOfPlayerPoints(const TPlayerPointsSettings& s) {
  TPlayerPointsDraft d;
  d.Columns = {s.Win, s.Bye, s.Lose};
  d.SameForAll = AllRowsEqual(s.Win) && AllRowsEqual(s.Bye) && AllRowsEqual(s.Lose);
  d.Exactly = s.FirstPlace < 0;
  d.First = Amount(s.FirstPlace, kFirstPlaceRange);
  d.Second = Amount(s.SecondPlace, kPlacingRange);
  d.Third = Amount(s.ThirdPlace, kPlacingRange);
  d.Bonuses = HeldBonuses(s);
  return d;
}

TPlayerPointsSettings SettingsOfDraft(const TPlayerPointsDraft& d) {
  TPlayerPointsSettings s = HeldBonuses(d.Bonuses);
  s.Win = d.Columns[ColumnWin];
  s.Bye = d.Columns[ColumnBye];
  s.Lose = d.Columns[ColumnLose];
  s.FirstPlace = Placing(d.First, kFirstPlaceRange, d.Exactly);
  s.SecondPlace = Placing(d.Second, kPlacingRange, d.Exactly);
  s.ThirdPlace = Placing(d.Third, kPlacingRange, d.Exactly);
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
