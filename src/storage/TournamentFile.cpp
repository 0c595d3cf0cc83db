#include "storage/TournamentFile.h"

#include "engine/Tourney.h"
#include "storage/PlayerPoints.h"

namespace vkr {

void SaveTournament(TTourney& t) {
  UpdatePlayerState(t);
  if (t.Storage.FileName.empty()) return;
}

}  // namespace vkr
