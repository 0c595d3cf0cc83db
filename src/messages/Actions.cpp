#include "messages/Actions.h"

#include "engine/Tourney.h"
#include "messages/Templates.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"
#include "timing/ClockPort.h"

namespace vkr {

void WelcomeActionClick(TTourney& t) {
  WriteLogLine(t, "Click: Welcome");
  Announce(t, t.Messages[MsgWelcome], false);
}

void FormatActionClick(TTourney& t) {
  WriteLogLine(t, "Click: Format");
  t.Context.Row = 0;
  Announce(t, t.Messages[MsgFormat], false);
}

void AllStartActionClick(TTourney& t) {
  WriteLogLine(t, "Click: All Start");
  t.Context.Row = 0;
  Announce(t, t.Messages[MsgAllStart], false);
  if (t.Started) return;
  const TDateTime now = t.Ports.Clock->Now();
  t.StartedAt = now;
  t.Started = true;
  for (int i = 0; i < kTablesPerRound; ++i) {
    const TTable& table = t.Model.Table(Winners, 0, i);
    if (table.SeatTaken(0) && table.SeatTaken(1)) t.Model.SetStartTime(TTableRef::Of(Winners, 0, i), now);
  }
  SaveTournament(t);
}

void WinnersActionClick(TTourney& t) {
  WriteLogLine(t, "Click: Winners");
  Announce(t, t.Messages[MsgAnnounceWinners], false);
}

}  // namespace vkr
