// Whole random tournaments of every format and many sizes, saved by the engine
// after every click: the file read into a fresh host gives back the tournament
// as it stands, and the three reports build without an error box, the CSV
// report with one eight-field row per decided table. The largest are checked
// at their end only.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "storage/ReportExport.h"
#include "storage/TournamentFile.h"
#include "support/RandomPlay.h"
#include "support/TournamentCompare.h"

namespace vkr::test {
namespace {

void CheckReload(TTestHost& host, const TRandomTournament& game) {
  TTestHost copy;
  copy.Files.Files["copy.vkr"] = host.Files.Files.at(host.T.Storage.FileName);
  ASSERT_TRUE(LoadTournament(copy.T, "copy.vkr"));
  ASSERT_EQ(LoadedDifference(host.T, copy.T), "") << "after click " << game.Clicks();
  // The finalists' labels are not stored: loading works them out again.
  if (game.Finished()) {
    ASSERT_EQ(copy.T.View.EmailLabels, host.T.View.EmailLabels);
  }
}

void CheckReports(TTestHost& h) {
  int decided = 0;
  for (int b = 0; b <= h.T.ElimFormat; ++b) {
    for (int r = 0; r < kRounds; ++r) {
      const TRound& round = h.T.Model.Round(b, r);
      for (int i = 0; i < round.TableCount; ++i) decided += round.Tables[static_cast<size_t>(i)].Decided();
    }
  }
  std::vector<std::string> csv, text, summary;
  ASSERT_TRUE(BuildReportLines(h.T, TReportKind::Csv, csv));
  EXPECT_EQ(std::count_if(csv.begin(), csv.end(),
                          [](const std::string& line) {
                            return std::count(line.begin(), line.end(), ',') == 7 && !line.starts_with("Round,");
                          }),
            decided);
  ASSERT_TRUE(BuildReportLines(h.T, TReportKind::Text, text) &&
              BuildReportLines(h.T, TReportKind::PointsSummary, summary));
  for (const std::string& e : h.Screen.Events) ASSERT_FALSE(e.starts_with("error: ")) << e;
}

TEST(RandomTournamentFiles, EveryClickReloadsAndReportsAsItStands) {
  std::vector<TRandomPlan> plans;
  for (int format = ElimSingle; format <= ElimTriple; ++format) {
    for (int entries : {8, 11, 13, 19, 24, 33, 40, 129, 256}) {
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
      if (plan.Entries > 40 && !game.Finished()) continue;
      CheckReload(host, game);
      if (host.T.Started) CheckReports(host);
      if (testing::Test::HasFatalFailure()) return;
    } while (game.Step());
    ASSERT_TRUE(game.Finished());
  }
}

}  // namespace
}  // namespace vkr::test
