// Reports of whole random tournaments: after every click of small ones and at
// the end of every size, all three build without an error box, and the CSV
// report has one eight-field row per decided table.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "storage/ReportExport.h"
#include "support/RandomPlay.h"

namespace vkr::test {
namespace {

int DecidedTables(const TTourney& t) {
  int count = 0;
  for (int b = 0; b <= t.ElimFormat; ++b) {
    for (int r = 0; r < kRounds; ++r) {
      const TRound& round = t.Model.Round(b, r);
      for (int i = 0; i < round.TableCount; ++i) count += round.Tables[static_cast<size_t>(i)].Decided();
    }
  }
  return count;
}

void CheckReports(TTestHost& h) {
  std::vector<std::string> csv;
  ASSERT_TRUE(BuildReportLines(h.T, TReportKind::Csv, csv));
  const auto rows = std::count_if(csv.begin(), csv.end(), [](const std::string& line) {
    return std::count(line.begin(), line.end(), ',') == 7 && !line.starts_with("Round,");
  });
  EXPECT_EQ(rows, DecidedTables(h.T));
  std::vector<std::string> text, summary;
  ASSERT_TRUE(BuildReportLines(h.T, TReportKind::Text, text));
  ASSERT_TRUE(BuildReportLines(h.T, TReportKind::PointsSummary, summary));
  for (const std::string& e : h.Screen.Events) ASSERT_EQ(e.rfind("error: ", 0), std::string::npos) << e;
}

void Play(const TRandomPlan& plan, bool everyClick) {
  SCOPED_TRACE(testing::Message() << "entries " << plan.Entries << " format " << plan.Format << " seed " << plan.Seed);
  TTestHost h;
  TRandomTournament game(h.T, plan);
  game.SignUp();
  while (game.Step()) {
    if (everyClick && h.T.Started) CheckReports(h);
    if (testing::Test::HasFatalFailure()) return;
  }
  ASSERT_TRUE(game.Finished());
  CheckReports(h);
}

TEST(RandomReports, BuildCleanlyThroughoutAndAtTheEnd) {
  uint64_t seed = 500;
  for (int format = ElimSingle; format <= ElimTriple; ++format) {
    for (int entries : {8, 11, 19, 40, 129, 256}) {
      TRandomPlan plan;
      plan.Entries = entries;
      plan.Format = format;
      plan.Teams = entries % 2 == 1;
      plan.Seed = seed++;
      Play(plan, entries <= 40);
      if (testing::Test::HasFatalFailure()) return;
    }
  }
}

}  // namespace
}  // namespace vkr::test
