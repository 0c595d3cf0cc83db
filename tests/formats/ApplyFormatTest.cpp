// Applying the built-in and stored formats to the running tournament.
#include <gtest/gtest.h>

#include "formats/ApplyFormat.h"
#include "formats/FormatTestHost.h"
#include "formats/PointsList.h"
#include "messages/Templates.h"

namespace vkr {
namespace {

TPointsList L(const char* text) { return TextToList(text); }

struct ApplyFormatTest : ::testing::Test {
  test::TFormatTestHost H;
  TTourney& T = H.T;
};

TEST_F(ApplyFormatTest, OneLineFormatTakesEveryOtherDefaultWhileDefaultHasNoTimeLimits) {
  H.Store("[Hi only]\r\nWelcome=Hi\r\n");
  T.Messages.fill("old");
  T.Format.BootTime = 3;
  T.Format.PlayerPoints.FirstPlace = 5;
  T.Context.TimeLimits.fill(9);
  H.Choose("Hi only");
  EXPECT_EQ(T.Messages[MsgWelcome], "Hi");
  for (int k = 1; k < kMessageCount; ++k) {
    EXPECT_EQ(T.Messages[static_cast<size_t>(k)], DefaultFormatValue(kMessageKeys[static_cast<size_t>(k)])) << k;
  }
  EXPECT_EQ(T.Format.PlayerPoints.Win, L("2,2,2,2,2,2,2,2,2,2,2,2,2,2,17"));
  EXPECT_EQ(T.Format.PlayerPoints.Bye, L("1,1,1,1,1,1,1,1,1,1,1,1,1,1,1"));
  EXPECT_EQ(T.Format.PlayerPoints.Lose, L("0,0,0,0,0,0,0,0,0,0,0,0,0,5,10"));
  EXPECT_EQ(T.Format.PlayerPoints.FirstPlace, 0);
  EXPECT_EQ(T.Format.BootTime, 7);
  EXPECT_EQ(T.Context.TimeLimits, L("45,45,45,45,45,45,45,45,45,45,45,45,45,45,60"));

  H.Choose("Default");
  EXPECT_EQ(T.Messages[MsgWelcome], DefaultFormatValue("Welcome"));
  EXPECT_EQ(T.Context.TimeLimits, TPointsList{});
  EXPECT_EQ(T.Format.BootTime, 7);
}

TEST_F(ApplyFormatTest, LogsTheFormatItsListsAndSetsTheCaption) {
  H.Store("[Fast]\r\nElim=2\r\nStarting tables=1,2,3\r\nPoints=2,7\r\n");
  const std::vector<std::string> expected = {
      "    -> Fast",
      "    -> ElimFormat = Double",
      "    -> UpdateTableCount",
      "    -> UpdateBracketTabs",
      "    -> Starting tables are: 1,1,1,1,1,1,1,1,1,1,1,1,1,2,3",
      "    -> Points8to16 = 2,7,0,0,0,0,0,0,0,0,0,0,0,0,0",
      "    -> Points17to32 = 2,7,0,0,0,0,0,0,0,0,0,0,0,0,0",
      "    -> Points33to64 = 2,7,0,0,0,0,0,0,0,0,0,0,0,0,0",
      "    -> Points65to128 = 2,7,0,0,0,0,0,0,0,0,0,0,0,0,0",
      "    -> Points129to256 = 2,7,0,0,0,0,0,0,0,0,0,0,0,0,0"};
  EXPECT_EQ(H.Choose("FAST"), expected);
  EXPECT_EQ(T.View.Caption, "Velmar ZUR Tourney Bracket - Fast");
  EXPECT_EQ(T.ElimFormat, ElimDouble);
  EXPECT_EQ(T.Context.MatchPoints, L("2,7"));
}

TEST_F(ApplyFormatTest, AfterClosingOnlyMessagesPlayerPointsBootTimeAndLimitsChange) {
  H.Store(
      "[Full]\r\nWelcome=W\r\nWin points=5,5,5\r\n1st place points=-10\r\nBoot time=12\r\nMatch time limits=30\r\n"
      "Host name=Hal\r\nCo-host name=Cid\r\nHost player name=HalP\r\nCo-host player Name=CidP\r\n"
      "Rules time=8pm\r\nStart time=9pm\r\nStarting tables=7\r\nElim=3\r\nPoints=4,4,4\r\n");
  H.Choose("Default");
  T.SignupsClosed = true;
  const TPointsList matchPoints = T.Context.MatchPoints, startTables = T.StartTables;
  const auto sizeLists = T.Format.SizePointsLists;
  const int preset = T.Format.CheckedPreset;
  H.Choose("Full");
  EXPECT_EQ(T.Messages[MsgWelcome], "W");
  EXPECT_EQ(T.Format.PlayerPoints.Win, L("5,5,5,5,5,5,5,5,5,5,5,5,5,5,5"));
  EXPECT_EQ(T.Format.PlayerPoints.FirstPlace, -10);
  EXPECT_EQ(T.Format.BootTime, 12);
  EXPECT_EQ(T.Context.TimeLimits, L("30"));
  EXPECT_EQ(T.Context.MatchPoints, matchPoints);
  EXPECT_EQ(T.Format.SizePointsLists, sizeLists);
  EXPECT_EQ(T.Format.CheckedPreset, preset);
  EXPECT_EQ(T.StartTables, startTables);
  EXPECT_EQ(T.ElimFormat, ElimSingle);
  EXPECT_EQ(T.Context.HostName, "");
  EXPECT_EQ(T.Format.CoHostPlayerName, "");
  EXPECT_EQ(T.Context.RulesTimeText, "");

  T.SignupsClosed = false;
  H.Choose("Full");
  EXPECT_EQ(T.Context.HostName, "Hal");
  EXPECT_EQ(T.Context.CoHostName, "Cid");
  EXPECT_EQ(T.Format.HostPlayerName, "HalP");
  EXPECT_EQ(T.Format.CoHostPlayerName, "CidP");
  EXPECT_EQ(T.Context.RulesTimeText, "8pm");
  EXPECT_EQ(T.Context.StartTimeText, "9pm");
  EXPECT_EQ(T.StartTables, L("7"));
  EXPECT_EQ(T.ElimFormat, ElimTriple);
  EXPECT_EQ(T.Context.MatchPoints, L("4,4,4,4,4,4,4,4,4,4,4,4,4,4,4"));
}

TEST_F(ApplyFormatTest, MissingOrEmptyHostDetailsKeepTheCurrentOnes) {
  H.Store("[Keep]\r\nHost name=\r\nStart time=\r\nStarting tables=\r\n");
  T.Context.HostName = "Hal";
  T.Context.StartTimeText = "9pm";
  T.Format.CoHostPlayerName = "CidP";
  T.StartTables.fill(33);
  H.Choose("Keep");
  EXPECT_EQ(T.Context.HostName, "Hal");
  EXPECT_EQ(T.Context.StartTimeText, "9pm");
  EXPECT_EQ(T.Format.CoHostPlayerName, "CidP");
  EXPECT_EQ(T.StartTables, T.Format.DefaultStartTables);
}

TEST_F(ApplyFormatTest, OnlyExactlyTwoOrThreeChooseDoubleOrTriple) {
  const std::pair<const char*, int> cases[] = {
      {"2", ElimDouble}, {"02", ElimSingle}, {"3", ElimTriple}, {" 2", ElimSingle}, {"3 ", ElimTriple}, {"1", ElimSingle}};
  for (const auto& [value, elim] : cases) {
    SCOPED_TRACE(value);
    H.Store(std::string("[E]\r\nElim=") + value + "\r\n");
    H.Choose("E");
    EXPECT_EQ(T.ElimFormat, elim);
  }
}

TEST_F(ApplyFormatTest, RepeatedSectionAppliesItsFirstOccurrence) {
  H.Store("[Fast]\r\nWelcome=One\r\n[FAST]\r\nWelcome=Two\r\n");
  H.Choose("Fast");
  EXPECT_EQ(T.Format.MenuEntries, (std::vector<std::string>{"Default", "Fast"}));
  EXPECT_EQ(T.Messages[MsgWelcome], "One");
}

TEST_F(ApplyFormatTest, PointsMatchingAPresetCheckItAndOthersCheckOther) {
  H.Store("[Two]\r\nPoints=2,2,2,2,2,2,2,2,2,2,2,2,2,2,5\r\n[Odd]\r\nPoints=2,7\r\n[Blank]\r\nPoints=\r\n");
  H.Choose("Two");
  EXPECT_EQ(T.Format.CheckedPreset, 1);
  EXPECT_EQ(T.Context.MatchPoints, PointsPresets[1]);
  H.Choose("Odd");
  EXPECT_EQ(T.Context.MatchPoints, L("2,7"));
  EXPECT_EQ(T.Format.CheckedPreset, kPresetOther);
  // An empty "Points" keeps the match points and spreads them to every size.
  T.Format.SizePointsLists[0] = PointsPresets[0];
  H.Choose("Blank");
  EXPECT_EQ(T.Context.MatchPoints, L("2,7"));
  for (const TPointsList& list : T.Format.SizePointsLists) EXPECT_EQ(list, L("2,7"));
}

TEST_F(ApplyFormatTest, PerSizeListsKeepWhatTheFormatLeavesEmpty) {
  H.Store(
      "[Sizes]\r\nPoints8to16=\r\nPoints17to32=2,2,2,2,2,2,2,2,2,2,2,2,2,2,5\r\nPoints65to128=\r\nPoints=4,4,4\r\n");
  T.Format.SizePointsLists.fill(PointsPresets[3]);
  T.Format.CheckedPreset = 3;
  const std::vector<std::string> log = H.Choose("Sizes");
  const std::vector<std::string> lists(log.end() - 5, log.end());
  EXPECT_EQ(lists, (std::vector<std::string>{"    -> Points8to16 = 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",
                                             "    -> Points17to32 = 2,2,2,2,2,2,2,2,2,2,2,2,2,2,5",
                                             "    -> Points33to64 = 4,4,4,4,4,4,4,4,4,4,4,4,4,4,7",
                                             "    -> Points65to128 = 4,4,4,4,4,4,4,4,4,4,4,4,4,4,7",
                                             "    -> Points129to256 = 4,4,4,4,4,4,4,4,4,4,4,4,4,4,7"}));
  EXPECT_EQ(T.Format.CheckedPreset, kPresetOther);
  EXPECT_NE(T.Context.MatchPoints, L("4,4,4"));
}

TEST_F(ApplyFormatTest, BadNumbersTakeTheirDefaultsAndLinesWithoutEqualsNameNoKey) {
  H.Store(
      "[Odd]\r\nBoot time=abc\r\n1st place points=-10\r\nHost points=99999999999\r\nCo-host points=+3\r\n"
      "Welcome\r\nWelcome=\r\nWelcome=Late\r\nwin POINTS=1,2,3\r\n");
  H.Choose("Odd");
  EXPECT_EQ(T.Format.BootTime, 7);
  EXPECT_EQ(T.Format.PlayerPoints.FirstPlace, -10);
  EXPECT_EQ(T.Format.PlayerPoints.Host, 0);
  EXPECT_EQ(T.Format.PlayerPoints.CoHost, 3);
  EXPECT_EQ(T.Messages[MsgWelcome], DefaultFormatValue("Welcome"));  // the first line with the key wins
  EXPECT_EQ(T.Format.PlayerPoints.Win, L("1,2,3"));
}

TEST_F(ApplyFormatTest, VanishedSectionAppliesNothingButStillLogsAndSetsTheCaption) {
  H.Store("[Gone]\r\nWelcome=G\r\n");
  H.Choose("Default");
  H.Store("");
  T.Messages[MsgWelcome] = "kept";
  FormatClick(T, 1);
  const std::vector<std::string> log = H.LogLines();
  ASSERT_GE(log.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(log.end() - 8, log.end() - 5),
            (std::vector<std::string>{"Menu: Format selection", "    -> Gone",
                                      "    -> Starting tables are: 50,90,1,80,110,130,140,80,98,30,60,90,120,148,150"}));
  EXPECT_EQ(T.Messages[MsgWelcome], "kept");
  EXPECT_EQ(T.View.Caption, "Velmar ZUR Tourney Bracket - Gone");
}

}  // namespace
}  // namespace vkr
