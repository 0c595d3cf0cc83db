#include "support/TournamentCompare.h"

#include "base/Text.h"
#include "engine/Tourney.h"
#include "storage/TournamentImage.h"
#include "storage/TournamentState.h"

namespace vkr::test {

std::string FileBytes(const TTourney& t) { return WriteTournamentImage(CaptureTournament(t)); }

std::string LoadedDifference(const TTourney& a, const TTourney& b) {
  const std::string bytesA = FileBytes(a), bytesB = FileBytes(b);
  if (bytesA != bytesB) {
    size_t at = 0;
    while (at < bytesA.size() && at < bytesB.size() && bytesA[at] == bytesB[at]) ++at;
    return Sprintf("the saved files differ from byte %zu (sizes %zu and %zu)", at, bytesA.size(), bytesB.size());
  }
  for (int e = 0; e < a.Model.PlayerCount(); ++e) {
    const TPlayer& p = a.Model.Player(e);
    const TPlayer& q = b.Model.Player(e);
    for (size_t k = 0; k < p.Tables.size(); ++k) {
      const TTableRef x = p.Tables[k], y = q.Tables[k];
      if (!(x == y) || (x.IsSet() && p.Seats[k] != q.Seats[k])) {
        return Sprintf("entry %s, slot %zu: [%d,%d,%d] seat %d against [%d,%d,%d] seat %d", p.Name.c_str(), k,
                       x.Bracket, x.Round, x.Index, p.Seats[k], y.Bracket, y.Round, y.Index, q.Seats[k]);
      }
    }
    if (p.Points != q.Points) return Sprintf("entry %s: points %d against %d", p.Name.c_str(), p.Points, q.Points);
  }
  if (a.SignupsClosed != b.SignupsClosed || a.View.SignupControlsEnabled != b.View.SignupControlsEnabled) {
    return "the sign-up state differs";
  }
  if (a.Points.ActiveCount != b.Points.ActiveCount) return "the count of entries in play differs";
  return {};
}

}  // namespace vkr::test
