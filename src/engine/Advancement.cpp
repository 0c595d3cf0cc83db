#include "engine/Advancement.h"

#include "base/Text.h"
#include "engine/Confirm.h"
#include "engine/ScreenPort.h"
#include "engine/Seating.h"
#include "engine/SignUp.h"
#include "engine/Status.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "engine/Views.h"
#include "messages/Templates.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

const char* const kBracketWords[kBrackets] = {"winner's", "one-loss", "two-loss"};

// Seats an entry in round q and writes the outcome to the log; gives whether
// the entry now waits alone at the round's bye table (its posting is held back).
struct TMove {
  bool Seated = false;
  bool AtBye = false;
};

TMove Move(TTourney& t, int bracket, int q, int entry, bool winner, TPlacement placement) {
  TSeated s = PlaceInRound(t, bracket, q, entry, kSearchTables[bracket], placement);
  const char* who = winner ? "winner" : "loser";
  if (!s.Found()) {
    WriteLogLine(t, std::string("CRITICAL PROBLEM: Could not find a table for ") + who + " for next round");
    t.Ports.Screen->Error(std::string("CRITICAL PROBLEM: Could not find a table for the next assign in ") +
                          kBracketWords[bracket] + " bracket");
    return {};
  }
  const TTableRef ref = TTableRef::Of(bracket, q, s.Table);
  WriteLogLine(t, Sprintf("    -> %s assigned to table %d, seat %d", winner ? "Winner" : "Loser",
                          t.Model.Table(ref).Number, s.Seat));
  TMove move{true, s.Seat == 0 && t.Model.IsByeTable(ref)};
  if (move.AtBye) ByeAssignedNotice(t, who);
  return move;
}

void AnnounceBye(TTourney& t, const TDecided& d) {
  t.Context.PlayerName = t.Model.Player(d.Winner).Name;
  t.Context.Row = PointsRow(t, d.Round, d.Bracket);
  if (d.Silent) return;
  Announce(t, t.Messages[MsgBye], true);
  if (t.Lobby.FLobbyEditWnd != 0) PostPlayerStatus(t, d.Winner, true);
}

// A lower bracket's champion takes seat 1 of the deciding table waiting for
// it; that match starts at once when its opponent is there. A clock started
// at an empty seat would mark the table as in use, and the opponent, moved
// there later, would be seated at another table.
void SeatChampion(TTourney& t, const TDecided& d, TTableRef ref, int slot) {
  TModel& m = t.Model;
  m.SetSeat(ref, 1, static_cast<int16_t>(d.Winner));
  if (m.Table(ref).SeatTaken(0)) m.SetStartTime(ref, t.Ports.Clock->Now());
  if (slot < kSlots) m.SetSlot(d.Winner, slot, ref, 1);
}

void AnnounceChampion(TTourney& t, const TDecided& d, TTableRef ref) {
  if (!d.Silent) {
    if (!t.Lobby.PostManually) PostPlayerStatus(t, d.Winner, true);
    if (d.Loser >= 0 && MayPostLoser(t)) PostPlayerStatus(t, d.Loser, true);
  }
  RepaintTabs(t, OneLoss);
  t.Ports.Screen->ShowTable(ref.Bracket, ref.Round, ref.Index);
  UpdateRound(t, ref.Bracket, ref.Round);
}

void ResetLoserBoots(TTourney& t, int loser) {
  if (t.Options.ResetBootsOnAssign) t.Model.SetBootCount(loser, 0);
}

// The last table of round 2 with both seats empty and a free number; -1 for none.
int FindByeTable(const TTourney& t, const std::vector<bool>& used) {
  for (int i = t.Model.Round(Winners, 1).TableCount - 1; i >= 0; --i) {
    const TTable& table = t.Model.Table(Winners, 1, i);
    bool numberUsed = table.Number >= 0 && static_cast<size_t>(table.Number) < used.size() &&
                      used[static_cast<size_t>(table.Number)];
    if (!table.SeatTaken(0) && !table.SeatTaken(1) && !numberUsed) return i;
  }
  return -1;
}

// A round-2 bye in single elimination with all byes in round 2: the winner
// of a first-round table skips round 2. Gives false when no table was free.
bool GiveSecondRoundBye(TTourney& t, const TDecided& d, bool& byeGiven) {
  byeGiven = false;
  TByeCounts c;
  if (!(t.AllByesInRound2 && t.ElimFormat == ElimSingle && d.Round == 0 && d.Loser >= 0 &&
        Get2ndRoundByeStatus(t, &c))) {
    return true;
  }
  bool bye = c.ByesToGo >= c.TablesEmpty;
  if (t.RandomlyAssignByes && t.Random.Below(c.PlayersInRound) < c.TotalSeats - c.PlayersInRound) bye = true;
  if (!bye) return true;
  TModel& m = t.Model;
  const std::vector<bool> used = NumbersInUse(t, Winners, 1);
  int found = FindByeTable(t, used);
  // Like the ordinary seat search, free a table whose number is taken
  // elsewhere rather than leave the winner without a table.
  if (found < 0 && RenumberOneTable(t, Winners, 1, kSearchTables[Winners], used)) found = FindByeTable(t, used);
  if (found >= 0) {
    const TTableRef ref = TTableRef::Of(Winners, 1, found);
    const TTable& table = m.Table(ref);
    m.SetSeat(ref, 0, static_cast<int16_t>(d.Winner));
    m.SetSlot(d.Winner, 1, ref, 0);
    m.SetResult(ref, 1);
    WriteLogLine(t, Sprintf("    -> Winner assigned to table %d (2nd round bye)", table.Number));
    t.Context.PlayerName = m.Player(d.Winner).Name;
    t.Context.Row = PointsRow(t, 1, Winners);  // the bye is for round 2, not the round just won
    if (!d.Silent) Announce(t, t.Messages[MsgBye], true);
    UpdateWinnersRound(t, 1);
    byeGiven = true;
    return true;
  }
  WriteLogLine(t, "CRITICAL PROBLEM: Could not find a table for winner for next round");
  t.Ports.Screen->Error("CRITICAL PROBLEM: Could not find a table for the next assign in winner's bracket");
  SaveTournament(t);  // the result stays, so the file must hold it too
  return false;
}

}  // namespace

void ByeAssignedNotice(TTourney& t, const char* who) {
  NotifyFiltered(t, NfByeNextRound,
                 Sprintf("The %s has just been assigned the bye for the next round.\r\n\r\nTheir posting has NOT been "
                         "made in the lobby for this round,\r\nyou can declare their bye by assigning them the win in "
                         "the next round.",
                         who));
}

bool MayPostLoser(const TTourney& t) {
  return t.Lobby.AutoPostLoss && t.Lobby.FLobbyEditWnd != 0 && !t.Lobby.AutoPostPreview;
}

void AdvanceWinners(TTourney& t, const TDecided& d) {
  TModel& m = t.Model;
  bool secondRoundBye = false;
  if (!GiveSecondRoundBye(t, d, secondRoundBye)) return;
  const int q = secondRoundBye ? 2 : d.Round + 1;

  TMove won = Move(t, Winners, q, d.Winner, true, TPlacement::WinnerIntoWinners);
  if (q == m.GrandFinalRound()) {
    int seat = won.Seated ? m.Player(d.Winner).Seats[static_cast<size_t>(q)] : 0;
    t.View.EmailLabels[seat == 0 ? 0 : 1] = m.Player(d.Winner).Name + "'s Email:";
    if (t.ElimFormat == ElimSingle && d.Loser >= 0) {
      t.View.EmailLabels[d.TableIndex == 0 ? 2 : 3] = m.Player(d.Loser).Name + "'s Email:";
    }
  }
  if (RoundComplete(t, Winners, d.Round)) RepaintTabs(t, Winners);
  if (d.ForcedBye) UpdateFullTableCount(t);

  if (d.Loser < 0) {
    AnnounceBye(t, d);
    UpdateWinnersRound(t, d.Round);
    SaveTournament(t);
    return;
  }
  ResetLoserBoots(t, d.Loser);
  TMove lost;
  if (t.ElimFormat != ElimSingle) {
    lost = Move(t, OneLoss, q, d.Loser, false, TPlacement::LoserIntoOneLoss);
    UpdateOneLossRound(t, q);
  }
  UpdateWinnersRound(t, d.Round);
  SaveTournament(t);
  if (d.Silent) return;
  if (won.Seated && !t.Lobby.PostManually && !won.AtBye) PostPlayerStatus(t, d.Winner, true);
  bool loserPlaced = t.ElimFormat == ElimSingle || lost.Seated;
  if (loserPlaced && MayPostLoser(t) && (t.ElimFormat == ElimSingle || !t.Lobby.PostManually) && !lost.AtBye) {
    PostPlayerStatus(t, d.Loser, true);
  }
}

void AdvanceOneLoss(TTourney& t, const TDecided& d) {
  TModel& m = t.Model;
  const bool toGrandFinal = (t.ElimFormat == ElimDouble && d.Round == m.OneLossFinalRound()) ||
                            (t.ElimFormat == ElimTriple && d.Round == m.OneLossLastRound());
  if (toGrandFinal) {
    int k = d.Round;
    while (k < kSlots - 1 && m.Player(d.Winner).Tables[static_cast<size_t>(k)].IsSet()) ++k;
    const TTableRef ref = TTableRef::Of(Winners, m.GrandFinalRound(), 0);
    SeatChampion(t, d, ref, k);
    WriteLogLine(t, "    -> Grand Final assignment (seat 1)");
    t.View.EmailLabels[1] = m.Player(d.Winner).Name + "'s Email:";
    if (d.Loser >= 0) t.View.EmailLabels[2] = m.Player(d.Loser).Name + "'s Email:";
    AnnounceChampion(t, d, ref);
    UpdateOneLossRound(t, d.Round);
    SaveTournament(t);
    return;
  }

  const int q = d.Round + 1;
  TMove won = Move(t, OneLoss, q, d.Winner, true, TPlacement::WinnerIntoOneLoss);
  if (RoundComplete(t, OneLoss, d.Round)) RepaintTabs(t, OneLoss);
  if (d.ForcedBye) UpdateFullTableCount(t);
  if (d.Loser < 0) {
    AnnounceBye(t, d);
    UpdateOneLossRound(t, d.Round);
    SaveTournament(t);
    return;
  }
  ResetLoserBoots(t, d.Loser);
  TMove lost;
  if (t.ElimFormat == ElimTriple) {
    lost = Move(t, TwoLoss, q, d.Loser, false, TPlacement::LoserIntoTwoLoss);
    UpdateTwoLossRound(t, q);
  }
  UpdateOneLossRound(t, d.Round);
  SaveTournament(t);
  if (d.Silent) return;
  if (won.Seated && !t.Lobby.PostManually && !won.AtBye) PostPlayerStatus(t, d.Winner, true);
  bool loserPlaced = t.ElimFormat == ElimDouble || lost.Seated;
  if (loserPlaced && MayPostLoser(t) && !(t.ElimFormat == ElimTriple && t.Lobby.PostManually) && !lost.AtBye) {
    PostPlayerStatus(t, d.Loser, true);
  }
}

void AdvanceTwoLoss(TTourney& t, const TDecided& d) {
  TModel& m = t.Model;
  const int q = d.Round + 1;
  if (q <= m.TwoLossFinalRound()) {
    TMove won = Move(t, TwoLoss, q, d.Winner, true, TPlacement::WinnerIntoTwoLoss);
    if (RoundComplete(t, TwoLoss, d.Round)) RepaintTabs(t, TwoLoss);
    if (d.ForcedBye) UpdateFullTableCount(t);
    if (d.Loser >= 0) {
      ResetLoserBoots(t, d.Loser);
      if (!d.Silent) {
        if (won.Seated && !t.Lobby.PostManually && !won.AtBye) PostPlayerStatus(t, d.Winner, true);
        if (MayPostLoser(t)) PostPlayerStatus(t, d.Loser, true);
      }
    } else {
      AnnounceBye(t, d);
    }
  } else {
    const TTableRef ref = TTableRef::Of(OneLoss, m.OneLossLastRound(), 0);
    SeatChampion(t, d, ref, q);
    AnnounceChampion(t, d, ref);
  }
  UpdateTwoLossRound(t, d.Round);
  SaveTournament(t);
}

}  // namespace vkr
