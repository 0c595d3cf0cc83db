#include "engine/Results.h"

#include "base/Text.h"
#include "engine/Advancement.h"
#include "engine/Confirm.h"
#include "engine/ScreenPort.h"
#include "engine/SignUp.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "engine/Undo.h"
#include "engine/Views.h"
#include "messages/Actions.h"
#include "storage/ActionLog.h"
#include "storage/PlayerPoints.h"
#include "storage/TournamentFile.h"
#include "timing/Boots.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

void SetButton(TTourney& t, const TWinButton& b, int seat, bool down) {
  t.Ports.Screen->SetWinButton(b.Bracket, b.Round, b.TableIndex, seat, down);
}

void GrandFinalWon(TTourney& t, const TWinButton& b) {
  WriteLogLine(t, "    -> GRAND FINAL win");
  const TTableRef ref = TTableRef::Of(b.Bracket, b.Round, b.TableIndex);
  t.Model.SetResult(ref, b.Seat + 1);
  t.Model.SetFinishTime(ref, t.Ports.Clock->Now());
  t.View.EmailPanelShown = true;
  UpdateWinnersRound(t, b.Round);
  SaveTournament(t);
  if (t.Options.ShowPointsAtEnd) t.Ports.Screen->ShowPointsView();
}

// The slot after the one in which the entry sits at this table: where its
// result took the entry. It is round + 1 except at the two tables entered
// from other rounds (the grand final and the one-loss bracket's last round
// in triple elimination), whose entries may hold them in a later slot.
int SlotAfter(const TPlayer& p, TTableRef table) {
  for (int k = 0; k < kSlots; ++k) {
    if (p.Tables[static_cast<size_t>(k)] == table) return k + 1;
  }
  return kSlots;
}

void LogCancel(TTourney& t, int round, int32_t number) {
  WriteLogLine(t, Sprintf("    -> CancelMatch - Round = %d, Table = %d", round, number));
}

int DecidedFirstRoundTables(const TTourney& t) {
  int count = 0;
  const TRound& first = t.Model.Round(Winners, 0);
  for (int i = 0; i < first.TableCount && i < kTablesPerRound; ++i) {
    if (first.Tables[static_cast<size_t>(i)].Result != 0) ++count;
  }
  return count;
}

}  // namespace

void WinButtonClick(TTourney& t, const TWinButton& button, bool down) {
  WriteLogLine(t, std::string("Click: ") + kBracketNames[button.Bracket] + " Win check");
  AssignWin(t, button, down, false);
}

void AssignWinSilently(TTourney& t, const TWinButton& button) {
  WriteLogLine(t, "Menu: Assign win silently");
  SetButton(t, button, button.Seat, true);
  AssignWin(t, button, true, true);
}

void AssignWin(TTourney& t, const TWinButton& b, bool down, bool silent) {
  TModel& m = t.Model;
  const TTableRef ref = TTableRef::Of(b.Bracket, b.Round, b.TableIndex);
  if (b.Bracket == Winners && !t.Started) AllStartActionClick(t);

  const TTable& table = m.Table(ref);
  const int16_t w = table.Seat[static_cast<size_t>(b.Seat)];
  const int16_t l = table.Seat[static_cast<size_t>(1 - b.Seat)];
  if (w == kNoEntry) {
    SetButton(t, b, b.Seat, false);
    return;
  }
  WriteLogLine(t, Sprintf("    -> Assigning %s Win - Winner = %s, Loser = %s, Round = %d, Table = %d",
                          kBracketNames[b.Bracket], m.Player(w).Name.c_str(),
                          l == kNoEntry ? "" : m.Player(l).Name.c_str(), b.Round + 1, table.Number));

  bool forcedBye = false;
  if (table.Result == 0 && l == kNoEntry && !m.IsByeTable(ref)) {
    if (b.Bracket == Winners && t.AllByesInRound2 && t.ElimFormat == ElimSingle && b.Round == 1 &&
        !Get2ndRoundByeStatus(t, nullptr)) {
      WriteLogLine(t, "    -> Can't force bye");
      t.Ports.Screen->Warning("This round has all byes allocated. Cannot force another bye in this round.");
      SetButton(t, b, b.Seat, false);
      return;
    }
    if (!AskFiltered(t, CfForcedBye,
                     "A bye is not scheduled for this table, are you sure you want to assign a bye to " +
                         m.Player(w).Name + "?")) {
      SetButton(t, b, b.Seat, false);
      return;
    }
    WriteLogLine(t, "    -> Forced bye");
    forcedBye = true;
  }

  // The marks are cleared only after the snapshot, so that undoing the win
  // brings them back.
  const bool booted = m.Player(w).BootedTooLong;
  const bool winDespiteBoot =
      booted && AskFiltered(t, CfWinForBooted,
                            "The player you just assigned a win to had booted too long.\r\nAre you sure you want to "
                            "give them the win?");
  const bool disqualified = m.Player(w).Disqualified;
  const bool winDespiteDisqualified =
      disqualified && AskFiltered(t, CfWinForDisqualified,
                                  "The player you just assigned a win to was disqualified\r\nAre you sure you want "
                                  "to give them the win?");
  if (booted != winDespiteBoot || disqualified != winDespiteDisqualified) {
    SetButton(t, b, b.Seat, false);
    return;
  }

  TakeUndoSnapshot(t);
  if (winDespiteBoot) m.SetBootedTooLong(w, false);
  if (winDespiteDisqualified) m.SetDisqualified(w, false);
  if (m.Player(w).BootStart > 0) BootReturned(t, w);
  if (l != kNoEntry && m.Player(l).BootStart > 0) BootReturned(t, l);

  if (!down) {
    if (m.Table(ref).Result == b.Seat + 1 && !CancelMatch(t, b.Bracket, b.Round, b.TableIndex)) {
      SetButton(t, b, b.Seat, true);
    }
    UpdateFullTableCount(t);
    SaveTournament(t);
    return;
  }
  if (b.Bracket == Winners && m.GrandFinalRound() > 0 && b.Round == m.GrandFinalRound()) {
    GrandFinalWon(t, b);
    return;
  }
  SetButton(t, b, 1 - b.Seat, false);
  if (m.Table(ref).Result != 0) {
    if (m.Table(ref).Result == b.Seat + 1) return;
    if (!CancelMatch(t, b.Bracket, b.Round, b.TableIndex)) {
      SetButton(t, b, 1 - b.Seat, true);
      SetButton(t, b, b.Seat, false);
      return;
    }
  }
  if (b.Bracket == Winners && !t.SignupsClosed &&
      DecidedFirstRoundTables(t) >= (m.PlayerCount() + 1) / 2 - 2) {
    CloseSignups(t);
  }
  if (t.Options.ResetBootsOnAssign) m.SetBootCount(w, 0);
  m.SetResult(ref, b.Seat + 1);
  m.SetFinishTime(ref, t.Ports.Clock->Now());

  TDecided d{b.Bracket, b.Round, b.TableIndex, w, l, forcedBye, silent};
  if (b.Bracket == Winners) AdvanceWinners(t, d);
  else if (b.Bracket == OneLoss) AdvanceOneLoss(t, d);
  else AdvanceTwoLoss(t, d);
}

bool CancelMatch(TTourney& t, int bracket, int round, int tableIndex) {
  TModel& m = t.Model;
  const TTableRef ref = TTableRef::Of(bracket, round, tableIndex);
  LogCancel(t, round, m.Table(ref).Number);
  if (m.Table(ref).Result == 0) return false;
  // A winner with no table after this one left the tournament after winning
  // here: taking the result back would bring it, or its opponent, back late.
  const int16_t winner = m.Table(ref).Winner();
  const bool final = bracket == Winners && round == m.GrandFinalRound();
  if (winner != kNoEntry && !final) {
    const int next = SlotAfter(m.Player(winner), ref);
    if (next < kSlots && !m.Player(winner).Tables[static_cast<size_t>(next)].IsSet()) return false;
  }
  for (int s = 0; s < 2; ++s) {
    int16_t e = m.Table(ref).Seat[static_cast<size_t>(s)];
    if (e == kNoEntry) continue;
    const int next = SlotAfter(m.Player(e), ref);
    if (next >= kSlots) continue;
    TTableRef later = m.Player(e).Tables[static_cast<size_t>(next)];
    if (later.IsSet() && m.Table(later).Result != 0) return false;
  }
  const bool wasComplete = RoundComplete(t, bracket, round);
  for (int s = 0; s < 2; ++s) {
    int16_t e = m.Table(ref).Seat[static_cast<size_t>(s)];
    if (e == kNoEntry) continue;
    const int next = SlotAfter(m.Player(e), ref);
    if (next >= kSlots) continue;
    TTableRef later = m.Player(e).Tables[static_cast<size_t>(next)];
    if (!later.IsSet()) continue;
    // The later table has no result (checked above), so taking it back only logs.
    LogCancel(t, later.Round, m.Table(later).Number);
    m.SetStartTime(later, 0);
    m.SetSeat(later, m.Player(e).Seats[static_cast<size_t>(next)], kNoEntry);
    m.ClearSlot(e, next);
  }
  m.SetResult(ref, 0);
  m.SetFinishTime(ref, 0);
  UpdatePlayerState(t);
  if (wasComplete) {
    for (int b = 0; b < kBrackets; ++b) RepaintTabs(t, b);
  }
  return true;
}

}  // namespace vkr
