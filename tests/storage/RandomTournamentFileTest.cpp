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

void PlayAndReload(const TRandomPlan& plan) {
  SCOPED_TRACE(testing::Message() << "entries " << plan.Entries << " format " << plan.Format << " teams "
                                  << plan.Teams << " seed " << plan.Seed);
  TTestHost host;
  TRandomTournament game(host.T, plan);
  game.SignUp();
  do {
    SCOPED_TRACE(testing::Message() << "click " << game.Clicks());
    TTestHost copy;
    copy.Files.Files["copy.vkr"] = host.Files.Files.at(host.T.Storage.FileName);
    ASSERT_TRUE(LoadTournament(copy.T, "copy.vkr"));
    ASSERT_EQ(LoadedDifference(host.T, copy.T), "");
  } while (game.Step());
  ASSERT_TRUE(game.Finished());
}

TEST(RandomTournamentFiles, EveryClickReloadsAsItStands) {
  uint64_t seed = 500;
  for (int format = ElimSingle; format <= ElimTriple; ++format) {
    for (int entries : {8, 13, 24, 33}) {
      TRandomPlan plan;
      plan.Entries = entries;
      plan.Format = format;
      plan.Teams = entries % 2 == 1;
      plan.Seed = seed++;
      PlayAndReload(plan);
      if (testing::Test::HasFatalFailure()) return;
    }
  }
}

TEST(RandomTournamentFiles, RoundTwoByesAndClosingByResultsReload) {
  TRandomPlan byes;
  byes.Entries = 13;
  byes.Format = ElimSingle;
  byes.AllByesInRound2 = true;
  byes.Seed = 600;
  PlayAndReload(byes);
  if (testing::Test::HasFatalFailure()) return;
  TRandomPlan closing;
  closing.Entries = 21;
  closing.Format = ElimTriple;
  closing.CloseByResults = true;
  closing.Seed = 601;
  PlayAndReload(closing);
}

}  // namespace
}  // namespace vkr::test
