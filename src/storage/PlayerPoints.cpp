#include "storage/PlayerPoints.h"

#include <algorithm>
#include <cstdint>

#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "storage/ActionLog.h"

namespace vkr {
namespace {

// Totals are summed in 64 bits: the settings come from files and formats
// and may be any 32-bit value.
void ApplyPlacePoints(int64_t& total, int32_t value) {
  if (value >= 0) total += value;
  else total = -int64_t{value};
}

int64_t WinOfWinBonus(const TTourney& t, int slot, int bracket) {
  const TModel& m = t.Model;
  const TPlayerPointsSettings& s = t.Format.PlayerPoints;
  if (bracket == Winners && slot == m.WinnersFinalRound()) {
    if (t.ElimFormat == ElimDouble) {
      return int64_t{s.WinOfWin} * (m.OneLossFinalRound() - m.WinnersFinalRound()) + s.FixedWinOfWin;
    }
    if (t.ElimFormat == ElimTriple) {
      return int64_t{s.WinOfWin} * (m.TwoLossFinalRound() - m.WinnersFinalRound() + 1) + s.FixedWinOfWin;
    }
  }
  if (t.ElimFormat == ElimTriple && bracket == OneLoss && slot == m.OneLossFinalRound()) {
    return int64_t{s.WinOfWin} * (m.TwoLossFinalRound() - m.OneLossFinalRound()) + s.FixedWinOfWin;
  }
  return 0;
}

int32_t PointsOf(const TTourney& t, const TPlayer& p) {
  const TPlayerPointsSettings& s = t.Format.PlayerPoints;
  int64_t total = 0;
  if (p.Disqualified) return 0;
  for (int r = 0; r < 13 && p.Tables[static_cast<size_t>(r)].IsSet(); ++r) {
    TTableRef ref = p.Tables[static_cast<size_t>(r)];
    const TTable& table = t.Model.Table(ref);
    int k = PointsRow(t, ref.Round, ref.Bracket);
    int seat = p.Seats[static_cast<size_t>(r)];
    bool won = table.Result == seat + 1;
    if (won) total += WinOfWinBonus(t, r, ref.Bracket);
    if (table.Result == 0) continue;
    if (!won) {
      total += s.Lose[static_cast<size_t>(k)];
      if (k == 14) ApplyPlacePoints(total, s.SecondPlace);
      if (k == 13) ApplyPlacePoints(total, s.ThirdPlace);
    } else {
      bool hadOpponent = table.Seat[static_cast<size_t>(1 - seat)] != kNoEntry;
      total += hadOpponent ? s.Win[static_cast<size_t>(k)] : s.Bye[static_cast<size_t>(k)];
      if (k == 14) ApplyPlacePoints(total, s.FirstPlace);
    }
  }
  if (t.Format.DoublePlayerPoints) total *= 2;
  return static_cast<int32_t>(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX));
}

}  // namespace

void UpdatePlayerState(TTourney& t) {
  WriteLogLine(t, "    -> UpdatePlayerState");
  int active = 0;
  for (int i = 0; i < t.Model.PlayerCount(); ++i) {
    const TPlayer& p = t.Model.Player(i);
    t.Model.SetPoints(i, PointsOf(t, p));
    int last = p.LastSlot();
    if (!p.Disqualified && last >= 0 && t.Model.Table(p.Tables[static_cast<size_t>(last)]).Result == 0) ++active;
  }
  t.Points.ActiveCount = active;
}

}  // namespace vkr
