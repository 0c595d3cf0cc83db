#pragma once
// Between the running tournament and the image of its file.
#include <string>

#include "storage/TournamentImage.h"

namespace vkr {

struct TTourney;

// Everything the file stores, taken from the tournament as it stands.
TTourneyImage CaptureTournament(const TTourney& t);
// Replaces the current tournament with a checked image read from `openedName`:
// settings, entries, rounds and their links, the file name (with ".vkr"), the
// log marker, the derived player state, the finalists' labels and the lobby.
void ApplyTournament(TTourney& t, const TTourneyImage& image, const std::string& openedName);

}  // namespace vkr
