#pragma once
// Checks that a tournament read back from its file is the one that was saved.
#include <string>

namespace vkr {
struct TTourney;
}

namespace vkr::test {

// The bytes SaveTournament writes for the tournament as it stands.
std::string FileBytes(const TTourney& t);
// The first difference, in what loading restores, between a tournament and
// one loaded from its file: everything stored, every entry's round slots and
// points, and the sign-up state. Empty when none.
std::string LoadedDifference(const TTourney& original, const TTourney& loaded);

}  // namespace vkr::test
