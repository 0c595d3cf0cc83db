#include "engine/CopySeat.h"

#include "engine/ScreenPort.h"
#include "engine/Status.h"
#include "engine/Tourney.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"
#include "timing/ClockPort.h"

namespace vkr {

void CopyClick(TTourney& t, int bracket, int round, int tableIndex, int seat) {
  if (bracket < 0 || bracket >= kBrackets || round < 0 || round >= kRounds || tableIndex < 0 ||
      tableIndex >= kTablesPerRound || seat < 0 || seat > 1) {
    return;
  }
  TModel& m = t.Model;
  const TTableRef ref = TTableRef::Of(bracket, round, tableIndex);
  const TTable& table = m.Table(ref);
  if (table.SeatTaken(0) && table.SeatTaken(1) && table.StartTime == 0) {
    m.SetStartTime(ref, t.Ports.Clock->Now());
    SaveTournament(t);
  }
  const int16_t entry = table.Seat[static_cast<size_t>(seat)];
  if (entry == kNoEntry) return;
  WriteLogLine(t, "Click: Copy for player \"" + m.Player(entry).Name + "\"");
  PostPlayerStatus(t, entry, false);
}

}  // namespace vkr
