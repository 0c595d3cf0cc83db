// Any bytes as a tournament file. A file that is refused leaves the open
// tournament as it was; a file that loads is saved, and from then on every
// save loads again into the same tournament. (The first load may hold what the
// current layout has no place for: rounds past a bracket's last round in
// versions 3 to 6, or a points list whose digits run together past what its
// 64-byte field can hold once written with commas.)
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "storage/TournamentFile.h"
#include "support/TournamentCompare.h"

namespace {

using namespace vkr;
using namespace vkr::test;

// Loads the saved bytes of `from` into `to`.
void Reload(const TTourney& from, TTestHost& to) {
  to.Files.Files["saved.vkr"] = FileBytes(from);
  if (!LoadTournament(to.T, "saved.vkr")) {
    std::fprintf(stderr, "a saved file does not load: %s\n", to.Screen.Events.back().c_str());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TTestHost host;
  host.Files.Files["f.vkr"] = std::string(reinterpret_cast<const char*>(data), size);
  const std::string before = FileBytes(host.T);
  if (!LoadTournament(host.T, "f.vkr")) {
    if (FileBytes(host.T) != before || !host.T.Storage.SkipBackupOnNextSave) std::abort();
    return 0;
  }
  TTestHost first, second;
  Reload(host.T, first);
  Reload(first.T, second);
  const std::string difference = LoadedDifference(first.T, second.T);
  if (!difference.empty()) {
    std::fprintf(stderr, "reloaded differently: %s\n", difference.c_str());
    std::abort();
  }
  return 0;
}
