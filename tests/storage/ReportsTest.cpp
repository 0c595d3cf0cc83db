#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/Text.h"
#include "engine/Tourney.h"
#include "storage/CsvReport.h"
#include "storage/ReportExport.h"
#include "storage/TextReport.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

using TLines = std::vector<std::string>;

TLines Report(const TTourney& t, void (*build)(const TTourney&, TLines&)) {
  TLines lines;
  build(t, lines);
  return lines;
}

bool Has(const TLines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The single-elimination report as a whole is the reports scenario's golden text.
TEST(TextReport, LongNamesAndAFinalBothQuit) {
  TTestHost h;
  PlaySingleEight(h);
  h.T.Model.SetName(0, "Alexandra_Longname");
  EXPECT_TRUE(Has(Report(h.T, BuildTextReport), "Table  50: Alexandra_Longname - W"));
  h.T.Model.SetResult(TTableRef::Of(Winners, 2, 0), 4);  // both quit the final
  EXPECT_FALSE(Has(Report(h.T, BuildTextReport), "Final"));
}

TEST(TextReport, DateIsTheFirstMatchStartOnceStartedElseToday) {
  TTestHost h;
  StartEight(h, ElimSingle);
  h.Clock.Advance(kSecondsPerDay);
  EXPECT_EQ(Report(h.T, BuildTextReport)[2], "Date:  12/05/2026");
  h.T.Model.SetStartTime(TTableRef::Of(Winners, 0, 0), 0);  // no 12/30/1899 for an unknown start
  EXPECT_EQ(Report(h.T, BuildTextReport)[2], "Date:  12/06/2026");
}

TEST(CsvReport, QuotingAndTheTimesOfEachKindOfTable) {
  TTestHost h;
  StartEight(h, ElimSingle);
  h.T.Context.StartTimeText = "8:30 \"PM\"";
  h.T.Context.HostName = "Big \"J\"";
  h.T.Format.HostPlayerName = "Big,J";
  Win(h, Winners, 0, 0, 0, 150);  // exactly two and a half minutes
  Win(h, Winners, 0, 1, 1, 60);
  Win(h, Winners, 0, 2, 0, 60);
  Win(h, Winners, 0, 3, 1, 1);
  h.T.Model.SetStartTime(TTableRef::Of(Winners, 0, 2), 0);
  h.T.Model.SetFinishTime(TTableRef::Of(Winners, 0, 3), 0);
  EXPECT_EQ(Report(h.T, BuildCsvReport),
            (TLines{"VKR Version,1.0.0.44", "Tournament,\"Default\"", "Date,12/05/2026", "Time,\"8:30 \"\"PM\"\"\"",
                    "Host,\"Big \"\"J\"\"\",\"Big,J\"", "Number of Players,8", "", "Winners Bracket",
                    "Round,Table,Points,Winner,Loser,Started,Duration,Finished", "1,50,3,Alice,Bob,20:30:00,2,20:32:30",
                    "1,51,3,Dave,Carol,20:30:00,4,20:33:30", "1,52,3,Erin,Frank,,,", "1,53,3,Hank,Gina,20:30:00,,"}));
  const TDateTime start = EncodeDateTime(2026, 12, 5, 23, 58, 0);
  for (double seconds : {89.0, 90.0, 150.0, 150.5, 210.0, -150.0}) {
    EXPECT_EQ(DurationMinutes(start, start + seconds / kSecondsPerDay), std::nearbyint(seconds / 60)) << seconds;
  }
  EXPECT_EQ(DurationMinutes(start, NAN), 0);
}

TEST(ReportExport, CrLfWindows1252AndWhatWasBuiltAfterAnError) {
  TTestHost h;
  PlaySingleEight(h);
  h.T.Context.HostName = "\x95Orlek";
  ASSERT_TRUE(ExportReport(h.T, TReportKind::Text, "out.txt"));
  EXPECT_NE(h.Files.Files["out.txt"].find("\r\nHost:  \x95Orlek ()\r\n"), std::string::npos);

  h.T.Model.SetSeat(TTableRef::Of(Winners, 0, 1), 0, 99);  // a seat naming no entry
  const TLines error{"error: An error occured generating the text file, not all information will be saved"};
  h.Screen.Events.clear();
  ASSERT_TRUE(ExportReport(h.T, TReportKind::Csv, "out.csv"));
  EXPECT_TRUE(h.Files.Files["out.csv"].ends_with("Finished\r\n1,50,3,Alice,Bob,20:30:00,10,20:40:00\r\n"));
  EXPECT_EQ(h.Screen.Events, error);
  h.T.Model.SetFinal(TFinal::GrandFinal, 99);  // a round that does not exist
  for (TReportKind kind : {TReportKind::Text, TReportKind::PointsSummary}) {
    h.Screen.Events.clear();
    EXPECT_TRUE(ExportReport(h.T, kind, "out.txt"));
    EXPECT_EQ(h.Screen.Events, error);
  }
}

// The summary refused before the start is the reports scenario's.
TEST(ReportExport, NothingWrittenWhenTheFileFails) {
  TTestHost h;
  h.Files.FailWrites = true;
  EXPECT_FALSE(ExportReport(h.T, TReportKind::Text, "report.txt"));
  EXPECT_TRUE(h.Files.Files.empty());
  EXPECT_EQ(h.Screen.Events, TLines{"error: Cannot create file \"report.txt\"."});
}

}  // namespace
}  // namespace vkr::test
