// The content of the reassignment dialog: where the entry sits and where it may go.
#include "base/Text.h"
#include "engine/Corrections.h"
#include "engine/Reassign.h"
#include "engine/Results.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "storage/ActionLog.h"

namespace vkr {
namespace {

int LastRoundOf(const TTourney& t, int bracket) {
  const TModel& m = t.Model;
  return bracket == Winners ? m.GrandFinalRound() : bracket == OneLoss ? m.OneLossFinalRound() : m.TwoLossFinalRound();
}

bool HasFreeSeat(const TTable& table) { return !table.SeatTaken(0) || !table.SeatTaken(1); }

// Tables of a round an entry may move to; `own` is its table there, or -1.
// Decided tables are left out: an entry seated at one could never play.
std::vector<std::string> RoundItems(const TTourney& t, int bracket, int round, int own) {
  std::vector<std::string> items;
  if (round < 0 || round >= kRounds) return items;
  const TRound& r = t.Model.Round(bracket, round);
  const int n = r.TableCount < kTablesPerRound ? r.TableCount : kTablesPerRound;
  for (int i = 0; i < n; ++i) {
    const TTable& table = r.Tables[static_cast<size_t>(i)];
    const bool byeTable = r.HasByeTable && i == n - 1;
    if (i == own && !byeTable) items.push_back(Sprintf("%d **", table.Number));
    else if (table.Result != 0) continue;
    else if (byeTable && !table.SeatTaken(0)) items.push_back(Sprintf("%d *", table.Number));
    else if (!byeTable && HasFreeSeat(table)) items.push_back(std::to_string(table.Number));
  }
  return items;
}

}  // namespace

bool OpenReassign(TTourney& t, const TWinButton& s, TReassignDialog& d) {
  if (!PlayerMenuState(t, s, false).Reassign) return false;
  const TModel& m = t.Model;
  d = TReassignDialog{};
  d.Entry = m.Table(s.Bracket, s.Round, s.TableIndex).Seat[static_cast<size_t>(s.Seat)];
  const TPlayer& p = m.Player(d.Entry);
  WriteLogLine(t, "Menu: Reassign player");
  d.Slot = CurrentSlotFrom(t, d.Entry, s.Round);
  const TTableRef at = p.Tables[static_cast<size_t>(d.Slot)];
  d.Bracket = at.Bracket;
  d.Round = at.Round;
  d.TableIndex = at.Index;
  d.Seat = p.Seats[static_cast<size_t>(d.Slot)];
  WriteLogLine(t, Sprintf("    -> Player = %s, Bracket = %d, Round = %d", p.Name.c_str(), d.Bracket, d.Slot));
  const TTable& table = m.Table(at);
  d.PlayerLine = Sprintf("Player \"%s\" is currently at table %d for %s.", p.Name.c_str(), table.Number,
                         RoundName(t, d.Round, d.Bracket).c_str());
  const int16_t opponent = table.Seat[static_cast<size_t>(1 - d.Seat)];
  d.OpponentLine = opponent == kNoEntry ? "They are sitting alone."
                                        : "The other player at the table is \"" + m.Player(opponent).Name + "\".";
  if (table.Result != 0) {
    // Its last match is over: moving it would take it away from that result.
    d.SameEnabled = d.NextEnabled = d.NextSelected = false;
    return true;
  }
  d.SameRound = RoundItems(t, d.Bracket, d.Round, d.TableIndex);
  const bool openedOnCurrent = at == TTableRef::Of(s.Bracket, s.Round, s.TableIndex);
  if (d.Round < LastRoundOf(t, d.Bracket) && openedOnCurrent) d.NextRound = RoundItems(t, d.Bracket, d.Round + 1, -1);
  if (opponent == kNoEntry) {
    d.NextSelected = d.SameRound.empty();
    if (d.NextSelected) d.SameEnabled = false;
    else d.NextEnabled = false;
  } else if (d.NextRound.empty()) {
    d.NextSelected = false;
    d.NextEnabled = false;
  }
  return true;
}

int DefaultItem(const TReassignDialog& d, bool nextRound) {
  const std::vector<std::string>& items = nextRound ? d.NextRound : d.SameRound;
  if (items.empty()) return -1;
  if (!nextRound) {
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i].ends_with(" **")) return static_cast<int>(i);
    }
  }
  return 0;
}

}  // namespace vkr
