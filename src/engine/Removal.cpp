// Entries that leave: one entry removed, or both entries of a table quitting.
#include <algorithm>

#include "base/Text.h"
#include "engine/Compaction.h"
#include "engine/Confirm.h"
#include "engine/Corrections.h"
#include "engine/Playability.h"
#include "engine/Results.h"
#include "engine/ScreenPort.h"
#include "engine/SignUp.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "engine/Undo.h"
#include "engine/Views.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"
#include "timing/Boots.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

int16_t SeatEntry(const TTourney& t, const TWinButton& s, int seat) {
  return t.Model.Table(s.Bracket, s.Round, s.TableIndex).Seat[static_cast<size_t>(seat)];
}

void EndBoot(TTourney& t, int entry) {
  if (t.Model.Player(entry).BootStart > 0) BootReturned(t, entry);
}

bool InSignupRound(const TTourney& t, int round) { return !t.SignupsClosed && round == 0; }

// The entry leaves its slot-k table and the round gives up its last seat.
void LeaveTable(TTourney& t, int entry, int k) {
  TModel& m = t.Model;
  const TTableRef ref = m.Player(entry).Tables[static_cast<size_t>(k)];
  m.SetStartTime(ref, 0);
  m.SetSeat(ref, m.Player(entry).Seats[static_cast<size_t>(k)], kNoEntry);
  RemoveASpot(t, ref.Bracket, ref.Round);
  m.ClearSlot(entry, k);
  const TRound& first = m.Round(Winners, 0);
  if (ref.Round == 0 && first.TableCount > 0) {
    // The first round is fixed once sign-ups close, so its size changes here.
    // When the last seat could not be freed (its table is decided) the round
    // keeps its size and the lone entry gets a forced bye.
    const TTable& last = first.Tables[static_cast<size_t>(first.TableCount - 1)];
    if (last.Result == 0 && !last.SeatTaken(first.HasByeTable ? 0 : 1)) {
      if (first.HasByeTable) m.SetTableCount(Winners, 0, first.TableCount - 1);
      m.SetHasByeTable(Winners, 0, !first.HasByeTable);
    }
  }
  UpdateFullTableCount(t);
  PullInStragglers(t);
  UpdateBracketTabs(t);
}

// Nobody advances from the table; the rounds the two would have gone to
// give up a seat each.
void Abandon(TTourney& t, const TWinButton& s) {
  const TTableRef ref = TTableRef::Of(s.Bracket, s.Round, s.TableIndex);
  t.Model.SetResult(ref, 4);
  t.Model.SetFinishTime(ref, t.Ports.Clock->Now());
  for (int b = s.Bracket; b <= std::min(s.Bracket + 1, static_cast<int>(TwoLoss)); ++b) RemoveASpot(t, b, s.Round + 1);
  UpdateFullTableCount(t);
  PullInStragglers(t);
}

void Refuse(TTourney& t, const std::string& who) {
  t.Ports.Screen->Warning(who +
                          " cannot leave here: a round would be left without anyone to go on, and the tournament "
                          "could not be finished.\r\n\r\nGive the win to the other player instead.");
}

}  // namespace

bool RemovePlayer(TTourney& t, const TWinButton& s) {
  const int16_t entry = SeatEntry(t, s, s.Seat);
  if (entry == kNoEntry) return false;
  TModel& m = t.Model;
  const std::string name = m.Player(entry).Name;
  WriteLogLine(t, "Menu: Remove Player");
  WriteLogLine(t, "    -> Player = " + name);
  const int k = CurrentSlotFrom(t, entry, s.Round);
  const TTableRef ref = m.Player(entry).Tables[static_cast<size_t>(k)];
  if (!ref.IsSet() || m.Table(ref).Result != 0) return false;
  WriteLogLine(t, Sprintf("    -> Bracket = %d, Round = %d", s.Bracket, k));
  const bool signups = InSignupRound(t, k);
  if (!signups && !KeepsTournamentPlayable(t, [&](TTourney& x) { LeaveTable(x, entry, k); })) {
    Refuse(t, "\"" + name + "\"");
    return false;
  }
  if (!AskFiltered(t, CfRemovePlayer, "Are you sure you want to remove \"" + name + "\" from the tournament?")) {
    return false;
  }
  EndBoot(t, entry);
  if (signups) {
    WriteLogLine(t, "    -> Removing player from sign-up round");
    ClearUndoRedo(t);
    m.SetSeat(ref, m.Player(entry).Seats[0], kNoEntry);
    m.SetStartTime(ref, 0);
    EraseEntry(t, entry);
    UpdateWinnersRound(t, t.View.ShownRound[Winners]);
  } else {
    TakeUndoSnapshot(t);
    LeaveTable(t, entry, k);
  }
  SaveTournament(t);
  return true;
}

bool BothQuit(TTourney& t, const TWinButton& s) {
  if (!PlayerMenuState(t, s, false).BothQuit) return false;
  TModel& m = t.Model;
  const int16_t first = SeatEntry(t, s, 0), second = SeatEntry(t, s, 1);
  WriteLogLine(t, "Menu: Both players have quit");
  WriteLogLine(t, "    -> player = " + m.Player(SeatEntry(t, s, s.Seat)).Name);
  const bool signups = InSignupRound(t, s.Round);
  if (!signups && !KeepsTournamentPlayable(t, [&](TTourney& x) { Abandon(x, s); })) {
    Refuse(t, "\"" + m.Player(first).Name + "\" and \"" + m.Player(second).Name + "\"");
    return false;
  }
  if (!AskFiltered(t, CfBothQuit,
                   "Are you sure that \"" + m.Player(first).Name + "\" and \"" + m.Player(second).Name +
                       "\" have quit the tournament?")) {
    return false;
  }
  EndBoot(t, first);
  EndBoot(t, second);
  if (signups) {
    ClearUndoRedo(t);
    const TTableRef ref = TTableRef::Of(s.Bracket, s.Round, s.TableIndex);
    m.SetSeat(ref, 0, kNoEntry);
    m.SetSeat(ref, 1, kNoEntry);
    m.SetStartTime(ref, 0);
    EraseEntry(t, std::max(first, second));
    EraseEntry(t, std::min(first, second));
    UpdateWinnersRound(t, t.View.ShownRound[Winners]);
  } else {
    TakeUndoSnapshot(t);
    Abandon(t, s);
  }
  SaveTournament(t);
  return true;
}

}  // namespace vkr
