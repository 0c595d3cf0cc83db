#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/Text.h"
#include "engine/Tourney.h"
#include "storage/CsvReport.h"
#include "storage/ReportExport.h"
#include "storage/TextReport.h"
#include "storage/TourneyDriver.h"

namespace vkr::test {
namespace {

using TLines = std::vector<std::string>;

bool Has(const TLines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TLines TextReport(const TTourney& t) {
  TLines lines;
  BuildTextReport(t, lines);
  return lines;
}

TLines CsvReport(const TTourney& t) {
  TLines lines;
  BuildCsvReport(t, lines);
  return lines;
}

TEST(TextReport, SingleEliminationHasSemiFinalAndFinalButNoBracketHeadings) {
  TTestHost h;
  PlaySingleEight(h);
  h.T.View.EmailBoxes = {"a@x", "b@x", "c@x", "d@x"};
  const TLines lines = TextReport(h.T);
  EXPECT_FALSE(Has(lines, "Winner's Bracket"));
  EXPECT_FALSE(Has(lines, "Winners-Final"));
  EXPECT_FALSE(Has(lines, "One-Loss Bracket"));
  const TLines tail(lines.end() - 13, lines.end());
  EXPECT_EQ(tail,
            (TLines{"Semi-Final", "----------", "Table 148:           Alice - L", "                      Dave - W", "",
                    "Table 149:            Erin - W", "                      Hank - L", "", "Final", "-----",
                    "Table 150:            Dave - W   Email: a@x", "                      Erin - L   Email: b@x", ""}));
}

TEST(TextReport, LongNameWidensItsLine) {
  TTestHost h;
  PlaySingleEight(h);
  h.T.Model.SetName(0, "Alexandra_Longname");
  EXPECT_TRUE(Has(TextReport(h.T), "Table  50: Alexandra_Longname - W"));
}

TEST(TextReport, DateIsTheFirstMatchStartOnceStartedElseToday) {
  TTestHost h;
  StartEight(h, ElimSingle);
  h.Clock.Advance(kSecondsPerDay);
  EXPECT_EQ(TextReport(h.T)[2], "Date:  12/05/2026");
  h.T.Model.SetStartTime(TTableRef::Of(Winners, 0, 0), 0);  // no 12/30/1899 for an unknown start
  EXPECT_EQ(TextReport(h.T)[2], "Date:  12/06/2026");
  h.T.Started = false;
  h.T.Model.SetStartTime(TTableRef::Of(Winners, 0, 0), 1.0);
  EXPECT_EQ(TextReport(h.T)[2], "Date:  12/06/2026");
}

TEST(TextReport, AbandonedFinalIsNotListed) {
  TTestHost h;
  PlaySingleEight(h);
  h.T.Model.SetResult(TTableRef::Of(Winners, 2, 0), 4);  // both quit
  const TLines lines = TextReport(h.T);
  EXPECT_FALSE(Has(lines, "Final"));
  EXPECT_EQ(lines.back(), "");
  EXPECT_TRUE(Has(lines, "Semi-Final"));
}

TEST(CsvReport, HeaderQuotesTextFieldsWithQuotesDoubled) {
  TTestHost h;
  StartEight(h, ElimSingle);
  h.T.Context.StartTimeText = "8:30 \"PM\"";
  h.T.Context.HostName = "Big \"J\"";
  h.T.Format.HostPlayerName = "BigJ";
  h.T.Context.CoHostName = "Mira";
  h.T.Format.CoHostPlayerName = "Mira,Q";
  const TLines lines = CsvReport(h.T);
  EXPECT_EQ(TLines(lines.begin(), lines.begin() + 10),
            (TLines{"VKR Version,1.0.0.44", "Tournament,\"Default\"", "Date,12/05/2026", "Time,\"8:30 \"\"PM\"\"\"",
                    "Host,\"Big \"\"J\"\"\",BigJ", "Co-host,\"Mira\",\"Mira,Q\"", "Number of Players,8", "",
                    "Winners Bracket", "Round,Table,Points,Winner,Loser,Started,Duration,Finished"}));
}

TEST(CsvReport, TimesOfStartedUnstartedAndUnfinishedTables) {
  TTestHost h;
  StartEight(h, ElimSingle);
  Win(h, Winners, 0, 0, 0, 150);  // exactly two and a half minutes
  Win(h, Winners, 0, 1, 1, 60);
  Win(h, Winners, 0, 2, 0, 60);
  Win(h, Winners, 0, 3, 1, 1);
  h.T.Model.SetStartTime(TTableRef::Of(Winners, 0, 2), 0);
  h.T.Model.SetFinishTime(TTableRef::Of(Winners, 0, 3), 0);
  const TLines lines = CsvReport(h.T);
  EXPECT_EQ(TLines(lines.begin() + 9, lines.end()),
            (TLines{"1,50,3,Alice,Bob,20:30:00,2,20:32:30", "1,51,3,Dave,Carol,20:30:00,4,20:33:30",
                    "1,52,3,Erin,Frank,,,", "1,53,3,Hank,Gina,20:30:00,,"}));
}

TEST(CsvReport, DurationsRoundToTheNearestMinuteHalvesToEven) {
  const TDateTime start = EncodeDateTime(2026, 12, 5, 23, 58, 0);
  auto minutes = [start](double seconds) { return DurationMinutes(start, start + seconds / kSecondsPerDay); };
  EXPECT_EQ(minutes(90), 2);
  EXPECT_EQ(minutes(150), 2);
  EXPECT_EQ(minutes(150.5), 3);
  EXPECT_EQ(minutes(210), 4);
  EXPECT_EQ(minutes(149), 2);
  EXPECT_EQ(minutes(-150), -2);
  EXPECT_EQ(DurationMinutes(start, NAN), 0);
}

TEST(ReportExport, WritesWindows1252LinesWithCrLf) {
  TTestHost h;
  PlaySingleEight(h);
  h.T.Context.HostName = "\x95Orlek";
  ASSERT_TRUE(ExportReport(h.T, TReportKind::Text, "out.txt"));
  EXPECT_EQ(h.Files.Files["out.txt"], JoinLinesCrLf(TextReport(h.T)));
  EXPECT_NE(h.Files.Files["out.txt"].find("\r\nHost:  \x95Orlek ()\r\n"), std::string::npos);
}

TEST(ReportExport, DamagedTourneyWritesWhatWasBuiltAfterAnError) {
  TTestHost h;
  PlaySingleEight(h);
  h.T.Model.SetSeat(TTableRef::Of(Winners, 0, 1), 0, 99);
  h.Screen.Events.clear();
  ASSERT_TRUE(ExportReport(h.T, TReportKind::Csv, "out.csv"));
  const std::string& file = h.Files.Files["out.csv"];
  EXPECT_TRUE(StartsWith(file, "VKR Version,1.0.0.44\r\n"));
  EXPECT_TRUE(file.ends_with("\r\n1,50,3,Alice,Bob,20:30:00,10,20:40:00\r\n"));
  const TLines error{"error: An error occured generating the text file, not all information will be saved"};
  EXPECT_EQ(h.Screen.Events, error);

  h.T.Model.SetFinal(TFinal::GrandFinal, 99);
  for (TReportKind kind : {TReportKind::Text, TReportKind::PointsSummary}) {
    h.Screen.Events.clear();
    EXPECT_TRUE(ExportReport(h.T, kind, "out.txt"));
    EXPECT_EQ(h.Screen.Events, error);
  }
}

TEST(ReportExport, NothingWrittenWhenRefusedOrTheFileFails) {
  TTestHost h;
  StartEight(h, ElimSingle);
  h.T.Started = false;
  EXPECT_FALSE(ExportReport(h.T, TReportKind::PointsSummary, "points.txt"));
  EXPECT_EQ(h.Files.Files.count("points.txt"), 0u);
  h.Files.FailWrites = true;
  h.Screen.Events.clear();
  EXPECT_FALSE(ExportReport(h.T, TReportKind::Text, "report.txt"));
  EXPECT_EQ(h.Screen.Events, TLines{"error: Cannot create file \"report.txt\"."});
}

}  // namespace
}  // namespace vkr::test
