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

TEST_F(ApplyFormatTest, MissingEmptyOrBadValuesTakeTheirDefaults) {
  H.Store("[Odd]\r\nWelcome\r\nwelcome=Hi\r\nFormat=\r\nFormat=Late\r\nBoot time=abc\r\n1st place points=-10\r\n"
          "Host points=99999999999\r\nCo-host points=+3\r\n");
  T.Format.PlayerPoints.FirstMatchWin = 5;
  T.Context.TimeLimits.fill(9);
  H.Choose("Odd");
  EXPECT_EQ(T.Messages[MsgWelcome], "Hi");
  EXPECT_EQ(T.Messages[MsgFormat], DefaultFormatValue("Format"));  // the first line of a key wins
  const TPlayerPointsSettings& pp = T.Format.PlayerPoints;
  EXPECT_EQ(ListToText(pp.Win) + " " + ListToText(pp.Lose),
            "2,2,2,2,2,2,2,2,2,2,2,2,2,2,17 0,0,0,0,0,0,0,0,0,0,0,0,0,5,10");
  EXPECT_EQ(std::vector<int>({pp.FirstPlace, pp.Host, pp.CoHost, pp.FirstMatchWin}), std::vector<int>({-10, 0, 3, 0}));
  EXPECT_EQ(T.Format.BootTime, 7);
  EXPECT_EQ(T.Context.TimeLimits, L("45,45,45,45,45,45,45,45,45,45,45,45,45,45,60"));
  H.Choose("Default");  // the built-in format times no matches
  EXPECT_EQ(T.Context.TimeLimits, TPointsList{});
}

TEST_F(ApplyFormatTest, HostDetailsStartTablesElimAndPointsChangeOnlyWhileSignupsAreOpen) {
  H.Store("[Full]\r\nWelcome=W\r\nBoot time=12\r\nMatch time limits=30\r\nHost name=Hal\r\nCo-host name=Cid\r\n"
          "Host player name=HalP\r\nCo-host player Name=CidP\r\nRules time=8pm\r\nStart time=\r\n"
          "Starting tables=7\r\nElim=3\r\nPoints=2,2,2,2,2,2,2,2,2,2,2,2,2,2,5\r\n[Bare]\r\nElim=1\r\n");
  H.Choose("Default");
  T.Context.StartTimeText = "9pm";
  T.SignupsClosed = true;
  H.Choose("Full");
  EXPECT_EQ(T.Messages[MsgWelcome] + std::to_string(T.Format.BootTime) + ListToText(T.Context.TimeLimits),
            "W1230,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(T.Context.MatchPoints, PointsPresets[2]);
  EXPECT_EQ(T.Format.CheckedPreset, 2);
  EXPECT_EQ(T.StartTables, T.Format.DefaultStartTables);
  EXPECT_EQ(T.ElimFormat, ElimSingle);
  EXPECT_EQ(T.Context.HostName + T.Format.CoHostPlayerName + T.Context.RulesTimeText, "");

  T.SignupsClosed = false;
  H.Choose("Full");
  EXPECT_EQ(T.Context.HostName + T.Context.CoHostName + T.Format.HostPlayerName + T.Format.CoHostPlayerName +
                T.Context.RulesTimeText + T.Context.StartTimeText,
            "HalCidHalPCidP8pm9pm");  // an empty value keeps the text
  EXPECT_EQ(T.StartTables, L("7"));
  EXPECT_EQ(T.ElimFormat, ElimTriple);
  EXPECT_EQ(T.Format.CheckedPreset, 1);
  EXPECT_EQ(T.Format.SizePointsLists[4], PointsPresets[1]);
  H.Choose("Bare");
  EXPECT_EQ(T.Context.HostName, "Hal");
  EXPECT_EQ(T.StartTables, T.Format.DefaultStartTables);
}

TEST_F(ApplyFormatTest, OnlyExactlyTwoOrThreeChooseDoubleOrTriple) {
  const std::pair<const char*, int> cases[] = {{"2", ElimDouble}, {"02", ElimSingle}, {"3", ElimTriple},
                                               {" 2", ElimSingle}, {"3 ", ElimTriple}, {"", ElimSingle}};
  for (const auto& [value, elim] : cases) {
    H.Store(std::string("[E]\r\nElim=") + value + "\r\n");
    H.Choose("E");
    EXPECT_EQ(T.ElimFormat, elim) << '"' << value << '"';
  }
}

// What choosing a format logs is pinned by the formats scenario.
TEST_F(ApplyFormatTest, ListsThatAreNoPresetCheckOtherAndEmptySizeKeysKeepTheirLists) {
  H.Store("[Fast]\r\nPoints=2,7\r\n[Sizes]\r\nPoints8to16=\r\nPoints17to32=2,2,2,2,2,2,2,2,2,2,2,2,2,2,5\r\n"
          "Points65to128=\r\nPoints=4\r\n");
  H.Choose("Fast");
  EXPECT_EQ(T.Context.MatchPoints, L("2,7"));
  EXPECT_EQ(T.Format.CheckedPreset, kPresetOther);
  H.Choose("Default");  // a preset again
  T.Format.SizePointsLists.fill(PointsPresets[3]);
  H.Choose("Sizes");
  const auto& lists = T.Format.SizePointsLists;
  EXPECT_EQ(lists, (std::array{TPointsList{}, PointsPresets[1], PointsPresets[3], PointsPresets[3], PointsPresets[3]}));
  EXPECT_EQ(T.Format.CheckedPreset, kPresetOther);
  EXPECT_NE(T.Context.MatchPoints, L("4"));
}

}  // namespace
}  // namespace vkr
