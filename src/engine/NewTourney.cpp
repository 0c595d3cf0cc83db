#include "engine/NewTourney.h"

#include "engine/Results.h"
#include "engine/ScreenPort.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "formats/ApplyFormat.h"
#include "storage/ActionLog.h"
#include "storage/PlayerPoints.h"
#include "storage/TournamentFile.h"

namespace vkr {

void StartNewTourney(TTourney& t, const TNewTourneyChoice& choice) {
  WriteLogLine(t, "    -> NewTourney");
  t.Options.ShowPointsAtEnd = choice.ShowPointsAtEnd;
  t.Storage.FileName = choice.FileName;
  t.Storage.SkipBackupOnNextSave = false;
  WriteLogLine(t, "\r\n**** New tourney: " + choice.FileName + "****\r\n");
  t.SignupsClosed = false;
  t.View.SignupControlsEnabled = true;
  t.StartedAt = 0;
  t.ClosedAt = 0;
  t.Format.DoublePlayerPoints = false;
  t.OnePlayerPerTable = true;
  t.BootedPlayers.clear();
  t.Started = false;
  t.TeamMode = choice.TeamMode;
  t.CapNames = choice.CapNames;
  ClearBrackets(t);
  UpdateTableCount(t, kMaxEntries);
  UpdatePlayerState(t);
  SelectFormatByName(t, choice.FormatName);
  SetHostDetails(t, choice.Host);
  t.Format.HostUnscheduled = choice.HostUnscheduled;
  t.Format.CoHostUnscheduled = choice.CoHostUnscheduled;
  if (choice.UseStartTables) t.StartTables = choice.StartTables;
  // The file written below already holds the chosen elimination type.
  SetElimFormat(t, choice.ElimFormat >= ElimSingle && choice.ElimFormat <= ElimTriple ? choice.ElimFormat : t.ElimFormat);
  t.Ports.Screen->ControlsChanged();
  SaveTournament(t);
}

}  // namespace vkr
