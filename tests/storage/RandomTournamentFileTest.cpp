// Whole random tournaments, saved by the engine after every click: the file
// on disk, read into a fresh host, must give back the tournament as it stands.
#include <gtest/gtest.h>

#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "storage/TournamentFile.h"
#include "support/RandomPlay.h"
#include "support/TournamentCompare.h"

namespace vkr::test {
namespace {

TEST(RandomTournamentFiles, EveryClickReloadsAsItStands) {
  std::vector<TRandomPlan> plans;
  for (int format = ElimSingle; format <= ElimTriple; ++format) {
    for (int entries : {8, 13, 24, 33}) {
      plans.push_back({.Entries = entries, .Format = format, .Teams = entries % 2 == 1, .Seed = plans.size() + 500});
    }
  }
  plans.push_back({.Entries = 13, .Format = ElimSingle, .Seed = 600, .AllByesInRound2 = true});
  plans.push_back({.Entries = 21, .Format = ElimTriple, .Seed = 601, .CloseByResults = true});
  for (const TRandomPlan& plan : plans) {
    SCOPED_TRACE(testing::Message() << "entries " << plan.Entries << " format " << plan.Format << " seed " << plan.Seed);
    TTestHost host;
    TRandomTournament game(host.T, plan);
    game.SignUp();
    do {
      TTestHost copy;
      copy.Files.Files["copy.vkr"] = host.Files.Files.at(host.T.Storage.FileName);
      ASSERT_TRUE(LoadTournament(copy.T, "copy.vkr"));
      ASSERT_EQ(LoadedDifference(host.T, copy.T), "") << "after click " << game.Clicks();
    } while (game.Step());
    ASSERT_TRUE(game.Finished());
  }
}

}  // namespace
}  // namespace vkr::test
