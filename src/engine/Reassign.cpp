// The move chosen in the reassignment dialog.
#include <cstdlib>

#include "base/Text.h"
#include "engine/Advancement.h"
#include "engine/Corrections.h"
#include "engine/Reassign.h"
#include "engine/Results.h"
#include "engine/ScreenPort.h"
#include "engine/Status.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "engine/Undo.h"
#include "engine/Views.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

bool Offered(const std::vector<std::string>& items, int32_t table) {
  for (const std::string& item : items) {
    if (std::atoi(item.c_str()) == table) return true;
  }
  return false;
}

bool Refuse(TTourney& t, const std::string& text) {
  t.Ports.Screen->Warning(text);
  return false;
}

// The table of the round with that number and a free seat, within the tables
// in play; -1 for none. A decided table of the round may carry the number too
// (numbers are freed once a match is over).
int TableWithNumber(const TTourney& t, int bracket, int round, int32_t number) {
  if (round >= kRounds) return -1;
  const TRound& r = t.Model.Round(bracket, round);
  for (int i = 0; i < r.TableCount && i < kTablesPerRound; ++i) {
    const TTable& table = r.Tables[static_cast<size_t>(i)];
    if (table.Number == number && table.Result == 0 && !(table.SeatTaken(0) && table.SeatTaken(1))) return i;
  }
  return -1;
}

// Moves the entry's slot-k seat to the table; false when it is full or its own.
bool MoveTo(TTourney& t, int entry, int k, TTableRef target) {
  TModel& m = t.Model;
  const TTableRef from = m.Player(entry).Tables[static_cast<size_t>(k)];
  if (!from.IsSet() || from == target) return false;
  const TTable& table = m.Table(target);
  if (table.SeatTaken(0) && table.SeatTaken(1)) return false;
  const int seat = table.SeatTaken(0) ? 1 : 0;
  m.SetSeat(from, m.Player(entry).Seats[static_cast<size_t>(k)], kNoEntry);
  m.SetStartTime(from, 0);
  m.SetSeat(target, seat, static_cast<int16_t>(entry));
  m.SetSlot(entry, k, target, seat);
  if (t.Started && m.Table(target).SeatTaken(1 - seat)) m.SetStartTime(target, t.Ports.Clock->Now());
  return true;
}

}  // namespace

bool ReassignPlayer(TTourney& t, const TReassignDialog& d, bool nextRound, int32_t table) {
  TModel& m = t.Model;
  if (d.Entry < 0 || d.Entry >= m.PlayerCount()) return false;
  const std::string name = m.Player(d.Entry).Name;
  if (!(nextRound ? d.NextEnabled : d.SameEnabled)) {
    return Refuse(t, Sprintf("\"%s\" cannot be %s.", name.c_str(),
                             nextRound ? "given the win and placed in the next round"
                                       : "moved to another table of this round"));
  }
  if (!CheckLobbyTableNumber(t, table)) return false;
  const int round = d.Round + (nextRound ? 1 : 0);
  const auto notFree = [&] {
    return Refuse(t, Sprintf("\"%s\" cannot be placed at table %d: it is not a table of %s with a free seat.",
                             name.c_str(), table, RoundName(t, round, d.Bracket).c_str()));
  };
  if (!Offered(nextRound ? d.NextRound : d.SameRound, table)) return notFree();
  const TTableRef current = TTableRef::Of(d.Bracket, d.Round, d.TableIndex);
  if (!nextRound && m.Table(current).Number == table) return false;  // it stays where it is
  // A list drawn before the round changed may offer a table that has filled
  // since; nothing moves then, so nothing may be recorded as done.
  if (!nextRound && TableWithNumber(t, d.Bracket, round, table) < 0) return notFree();

  TakeUndoSnapshot(t);
  int k = d.Slot;
  if (nextRound) {
    WriteLogLine(t, "    -> Assigning win");
    const TWinButton button{d.Bracket, d.Round, d.TableIndex, d.Seat};
    t.Ports.Screen->SetWinButton(d.Bracket, d.Round, d.TableIndex, d.Seat, true);
    AssignWin(t, button, true, true);
    ++k;
  }
  WriteLogLine(t, Sprintf("    -> Moving to table %d", table));
  const int index = TableWithNumber(t, d.Bracket, round, table);
  bool atBye = false;
  if (index >= 0 && k < kSlots && m.Player(d.Entry).Tables[static_cast<size_t>(k)].IsSet()) {
    const TTableRef target = TTableRef::Of(d.Bracket, round, index);
    MoveTo(t, d.Entry, k, target);
  }
  if (k < kSlots && m.Player(d.Entry).Tables[static_cast<size_t>(k)].IsSet()) {
    atBye = m.IsByeTable(m.Player(d.Entry).Tables[static_cast<size_t>(k)]);
  }
  for (int b = 0; b <= t.ElimFormat && b < kBrackets; ++b) UpdateRound(t, b, t.View.ShownRound[static_cast<size_t>(b)]);
  SaveTournament(t);
  if (nextRound && k != d.Slot && m.Player(d.Entry).Tables[static_cast<size_t>(k)].IsSet()) {
    if (atBye) ByeAssignedNotice(t, "player");
    else PostPlayerStatus(t, d.Entry, true);
  }
  return true;
}

}  // namespace vkr
