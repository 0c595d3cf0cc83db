#include "storage/ByesList.h"

#include <algorithm>

#include "base/Text.h"
#include "engine/Tourney.h"

namespace vkr {
namespace {

// "2, 4" for byes in rounds 2 and 4; empty when the entry had none.
std::string ByeRounds(const TModel& m, const TPlayer& p) {
  std::string rounds;
  for (int k = 0; k < kSlots && p.Tables[static_cast<size_t>(k)].IsSet(); ++k) {
    const TTable& table = m.Table(p.Tables[static_cast<size_t>(k)]);
    const int seat = p.Seats[static_cast<size_t>(k)] != 0 ? 1 : 0;
    if (table.Result != seat + 1 || table.SeatTaken(1 - seat)) continue;
    if (!rounds.empty()) rounds += ", ";
    rounds += std::to_string(k + 1);
  }
  return rounds;
}

}  // namespace

void RefreshByesList(TTourney& t) { t.Points.ByesStale = true; }

const std::vector<TByesListRow>& ByesListRows(TTourney& t) {
  TPointsState& s = t.Points;
  if (!s.ByesStale) return s.Byes;
  s.Byes.clear();
  for (const TPlayer& p : t.Model.Players()) {
    std::string rounds = ByeRounds(t.Model, p);
    if (!rounds.empty()) s.Byes.push_back({p.Name, rounds});
  }
  std::stable_sort(s.Byes.begin(), s.Byes.end(),
                   [](const TByesListRow& a, const TByesListRow& b) { return CompareText(a.Name, b.Name) < 0; });
  s.ByesStale = false;
  return s.Byes;
}

}  // namespace vkr
