#include "storage/PlayerPoints.h"

#include <algorithm>
#include <array>
#include <limits>

#include "base/Text.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "storage/ActionLog.h"
#include "storage/ByesList.h"
#include "storage/PointsGrid.h"

namespace vkr {
namespace {

// Only the first 13 round slots earn points.
constexpr int kScoredSlots = 13;

// The settings may come from a file, so the sums are made in 64 bits and
// only the final total is brought back into range.
void ApplyPlacePoints(int64_t& total, int32_t value) {
  if (value >= 0) total += value;
  else total = -int64_t{value};
}

int64_t WinOfWinBonus(const TTourney& t, int slot, int bracket) {
  const TModel& m = t.Model;
  const TPlayerPointsSettings& s = t.Format.PlayerPoints;
  auto bonus = [&](int64_t roundsSkipped) { return int64_t{s.WinOfWin} * roundsSkipped + s.FixedWinOfWin; };
  if (bracket == Winners && slot == m.WinnersFinalRound()) {
    if (t.ElimFormat == ElimDouble) return bonus(int64_t{m.OneLossFinalRound()} - m.WinnersFinalRound());
    if (t.ElimFormat == ElimTriple) return bonus(int64_t{m.TwoLossFinalRound()} - m.WinnersFinalRound() + 1);
  }
  if (t.ElimFormat == ElimTriple && bracket == OneLoss && slot == m.OneLossFinalRound()) {
    return bonus(int64_t{m.TwoLossFinalRound()} - m.OneLossFinalRound());
  }
  return 0;
}

// Points rows of every bracket and round, worked out once per refresh: the
// refresh runs before every save, so once per click for 256 entries.
using TRowTable = std::array<uint8_t, kBrackets * kRounds>;

TRowTable RowsOf(const TTourney& t) {
  TRowTable rows{};
  for (int b = 0; b < kBrackets; ++b) {
    for (int r = 0; r < kRounds; ++r) rows[static_cast<size_t>(b * kRounds + r)] = static_cast<uint8_t>(PointsRow(t, r, b));
  }
  return rows;
}

int32_t PointsOf(const TTourney& t, const TRowTable& rows, const TPlayer& p) {
  if (p.Disqualified) return 0;
  const TPlayerPointsSettings& s = t.Format.PlayerPoints;
  int64_t total = 0;
  for (int r = 0; r < kScoredSlots && p.Tables[static_cast<size_t>(r)].IsSet(); ++r) {
    const TTableRef ref = p.Tables[static_cast<size_t>(r)];
    const TTable& table = t.Model.Table(ref);
    const size_t k = rows[static_cast<size_t>(ref.Bracket * kRounds + ref.Round)];
    const int seat = p.Seats[static_cast<size_t>(r)] != 0 ? 1 : 0;
    const bool won = table.Result == seat + 1;
    if (won) total += WinOfWinBonus(t, r, ref.Bracket);
    if (table.Result == 0) continue;
    if (!won) {
      total += s.Lose[k];
      if (k == 14) ApplyPlacePoints(total, s.SecondPlace);
      if (k == 13) ApplyPlacePoints(total, s.ThirdPlace);
    } else {
      total += table.SeatTaken(1 - seat) ? s.Win[k] : s.Bye[k];
      if (k == 14) ApplyPlacePoints(total, s.FirstPlace);
    }
  }
  return ClampPoints(t.Format.DoublePlayerPoints ? total * 2 : total);
}

bool InPlay(const TModel& m, const TPlayer& p) {
  const int last = p.LastSlot();
  return !p.Disqualified && last >= 0 && m.Table(p.Tables[static_cast<size_t>(last)]).Result == 0;
}

}  // namespace

int32_t ClampPoints(int64_t total) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(total, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void UpdatePlayerState(TTourney& t) {
  WriteLogLine(t, "    -> UpdatePlayerState");
  int active = 0;
  const TRowTable rows = RowsOf(t);
  for (int i = 0; i < t.Model.PlayerCount(); ++i) {
    const TPlayer& p = t.Model.Player(i);
    t.Model.SetPoints(i, PointsOf(t, rows, p));
    if (InPlay(t.Model, p)) ++active;
  }
  t.Points.ActiveCount = active;
  RefreshPointsGrid(t);
  RefreshByesList(t);
}

std::string ActiveCountCaption(const TTourney& t) {
  return Sprintf(t.TeamMode ? "Teams: %d/%d" : "Players: %d/%d", t.Points.ActiveCount, t.Model.PlayerCount());
}

}  // namespace vkr
