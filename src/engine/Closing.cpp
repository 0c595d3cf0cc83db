// Closing sign-ups: the first round is fixed and the real structure computed.
#include "engine/SignUp.h"

#include <algorithm>

#include "engine/Confirm.h"
#include "engine/Find.h"
#include "engine/ScreenPort.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "engine/Undo.h"
#include "lobby/RapidAssign.h"
#include "messages/Templates.h"
#include "storage/ActionLog.h"
#include "storage/FileSystemPort.h"
#include "storage/TournamentFile.h"
#include "timing/ClockPort.h"

namespace vkr {

bool Get2ndRoundByeStatus(TTourney& t, TByeCounts* counts) {
  WriteLogLine(t, "    -> Get2ndRoundByeStatus");
  const TModel& m = t.Model;
  TByeCounts c;
  const TRound& first = m.Round(Winners, 0);
  c.PlayersInRound = first.TableCount;
  for (int i = 0; i < first.TableCount && i < kTablesPerRound; ++i) {
    if (first.Tables[static_cast<size_t>(i)].Result == 4) --c.PlayersInRound;
  }
  c.TotalSeats = 1;
  while (c.TotalSeats < c.PlayersInRound) c.TotalSeats *= 2;
  c.TablesEmpty = c.TotalSeats / 2;
  c.ByesToGo = c.TotalSeats - c.PlayersInRound;
  for (int i = 0; i < c.TotalSeats / 2 && i < kTablesPerRound; ++i) {
    const TTable& table = m.Table(Winners, 1, i);
    if (table.Result != 0) {
      --c.TablesEmpty;
      int losing = table.Decided() ? (table.Result & 1) : 1;
      if (!table.SeatTaken(losing)) --c.ByesToGo;
    } else if (table.SeatTaken(0) && table.SeatTaken(1)) {
      --c.TablesEmpty;
    }
  }
  c.ByesToGo = std::max(c.ByesToGo, 0);
  WriteLogLine(t, "        -> nPlayersInRound = " + std::to_string(c.PlayersInRound));
  WriteLogLine(t, "        -> nTotalSeats = " + std::to_string(c.TotalSeats));
  WriteLogLine(t, "        -> nTablesEmpty = " + std::to_string(c.TablesEmpty));
  WriteLogLine(t, "        -> nByesToGo = " + std::to_string(c.ByesToGo));
  if (counts != nullptr) *counts = c;
  return c.ByesToGo > 0;
}

void AnnounceClosed(TTourney& t) { Announce(t, t.Messages[MsgClosed], false); }

void CloseSignups(TTourney& t) {
  TModel& m = t.Model;
  if (m.PlayerCount() < kMinEntriesToClose) {
    t.Ports.Screen->Information("You need at least 8 players/teams in your tourney before you can close it");
    return;
  }
  WriteLogLine(t, "Click: Close");
  if (t.SignupsClosed) {
    AnnounceClosed(t);
    return;
  }
  if (!AskFiltered(t, CfCloseSignups,
                   "Are you sure that you want to close signups?\r\n\r\nThis action cannot be reversed.")) {
    return;
  }
  if (!t.View.FindHighlight.empty()) SetFindText(t, "");
  SetRapidAssignActive(t, false);
  const TDateTime now = t.Ports.Clock->Now();
  if (!t.Started) {
    t.Started = true;
    t.StartedAt = now;
    for (int i = 0; i < kTablesPerRound; ++i) {
      const TTable& table = m.Table(Winners, 0, i);
      if (table.SeatTaken(0) && table.SeatTaken(1)) m.SetStartTime(TTableRef::Of(Winners, 0, i), now);
    }
  }
  t.ClosedAt = now;
  ClearUndoRedo(t);
  t.SignupsClosed = true;
  t.View.AssignByesItemEnabled = false;
  t.View.SignupControlsEnabled = false;
  t.Ports.Screen->ControlsChanged();

  int highest = -1;
  for (int i = 0; i < kTablesPerRound; ++i) {
    const TTable& table = m.Table(Winners, 0, i);
    if (table.SeatTaken(0) || table.SeatTaken(1)) highest = i;
  }
  int count = 0;
  if (highest >= 0) count = m.Table(Winners, 0, highest).SeatTaken(1) ? 2 * (highest + 1) : 2 * highest + 1;
  m.SetTableCount(Winners, 0, (count + 1) / 2);
  m.SetHasByeTable(Winners, 0, count % 2 != 0);
  m.SetTableCount(OneLoss, 0, 0);
  m.SetHasByeTable(OneLoss, 0, false);
  UpdateFullTableCount(t);
  AnnounceClosed(t);
  SaveTournament(t);

  for (const TPlayer& p : m.Players()) {
    if (t.TeamMode) {
      if (!p.Member1.empty()) t.RecentPlayers.Add(p.Member1);
      if (!p.Member2.empty()) t.RecentPlayers.Add(p.Member2);
    } else {
      t.RecentPlayers.Add(p.Name);
    }
  }
  t.Ports.Files->WriteFileAtomic(t.FilesFolder + "RecentPlayers.txt", t.RecentPlayers.ToText(), false);
}

}  // namespace vkr
