// Whole random tournaments of every format and many sizes: the three reports
// build without an error box after every click of the small ones and at the
// end of all, and the CSV report has one eight-field row per decided table.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "storage/ReportExport.h"
#include "support/RandomPlay.h"

namespace vkr::test {
namespace {

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

TEST(RandomReports, BuildCleanlyThroughoutAndAtTheEnd) {
  uint64_t seed = 500;
  for (int format = ElimSingle; format <= ElimTriple; ++format) {
    for (int entries : {8, 11, 19, 40, 129, 256}) {
      SCOPED_TRACE(testing::Message() << "entries " << entries << " format " << format << " seed " << seed);
      TTestHost h;
      TRandomTournament game(
          h.T, TRandomPlan{.Entries = entries, .Format = format, .Teams = entries % 2 == 1, .Seed = seed++});
      game.SignUp();
      while (game.Step()) {
        if (entries <= 40 && h.T.Started) CheckReports(h);
        if (testing::Test::HasFatalFailure()) return;
      }
      ASSERT_TRUE(game.Finished());
      CheckReports(h);
      if (testing::Test::HasFatalFailure()) return;
    }
  }
}

}  // namespace
}  // namespace vkr::test
