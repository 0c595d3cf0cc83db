// Disqualifying an entry.
#include "engine/Confirm.h"
#include "engine/Corrections.h"
#include "engine/Results.h"
#include "engine/Tourney.h"
#include "engine/Views.h"
#include "storage/ActionLog.h"
#include "storage/PlayerPoints.h"
#include "storage/TournamentFile.h"

namespace vkr {

bool DisqualifyPlayer(TTourney& t, const TWinButton& s) {
  if (!PlayerMenuState(t, s, false).Disqualify) return false;
  const int16_t entry = t.Model.Table(s.Bracket, s.Round, s.TableIndex).Seat[static_cast<size_t>(s.Seat)];
  const std::string name = t.Model.Player(entry).Name;
  WriteLogLine(t, "Menu: Disqualify Player");
  if (!AskFiltered(t, CfDisqualify, "Are you sure you want to disqualify \"" + name + "\"?")) return false;
  WriteLogLine(t, "    -> Player = " + name);
  t.Model.SetDisqualified(entry, true);
  UpdatePlayerState(t);
  UpdateRound(t, s.Bracket, s.Round);
  SaveTournament(t);
  return true;
}

}  // namespace vkr
