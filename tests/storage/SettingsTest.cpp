// The settings store: conditional and typed reads, the write/read round trip,
// the recent-files lists, and moving the folder for files.
#include <gtest/gtest.h>

#include "fakes/FakePorts.h"
#include "fakes/FakeSettings.h"
#include "storage/Settings.h"
#include "storage/SettingsApply.h"
#include "storage/SideFiles.h"

namespace vkr::test {
namespace {

// An empty store is a first start; a store without the placement is damaged.
TEST(Settings, AFirstStartKeepsEveryDefaultAndAStoreWithoutThePlacementReadsNothing) {
  TFakeSettings store;
  TSettings s;
  EXPECT_TRUE(ReadSettings(store, s));
  EXPECT_FALSE(s.Left.has_value());
  EXPECT_TRUE(s.ShowStatusSummary && s.ShowPointsAtEnd && s.ResetBootOnAssign);
  store.Values = {{"Top", 20}, {"Host name", std::string("Zed")}};
  EXPECT_FALSE(ReadSettings(store, s));
  EXPECT_EQ(s.HostName, "");
}

TEST(Settings, ValuesAreReadOnlyOfTheirTypeAndUnderTheirConditions) {
  struct Case {
    const char* what;
    std::map<std::string, std::variant<int32_t, std::string>> values;
    std::function<bool(const TSettings&)> holds;
  };
  const std::vector<Case> cases = {
      {"the height needs the arrangement", {{"Height", 500}}, [](const TSettings& s) { return !s.Height; }},
      {"the height with the arrangement", {{"Height", 500}, {"Bracket Arrangement", 1}},
       [](const TSettings& s) { return s.Height == 500 && s.BracketArrangement == 1; }},
      {"10 and 5 minutes need the 15", {{"Remind at 10", 1}, {"Remind at 5", 1}},
       [](const TSettings& s) { return !s.RemindAt10 && !s.RemindAt5; }},
      {"10 and 5 minutes with the 15", {{"Remind at 15", 0}, {"Remind at 10", 1}, {"Remind at 5", 1}},
       [](const TSettings& s) { return !s.RemindAt15 && s.RemindAt10 && s.RemindAt5; }},
      {"a 24-hour dial needs its zone", {{"Right Time 24 Hour", 1}},
       [](const TSettings& s) { return !s.RightTime24Hour; }},
      {"posting manually needs the time display", {{"Post assignments manually", 1}},
       [](const TSettings& s) { return !s.PostAssignmentsManually; }},
      {"the clear-list default needs the filter", {{"Default Clear ZF List", 1}},
       [](const TSettings& s) { return !s.DefaultClearZFList; }},
      {"a negative arrangement is horizontal", {{"Bracket Arrangement", -3}},
       [](const TSettings& s) { return s.BracketArrangement == 0; }},
  };
  for (const Case& c : cases) {
    TFakeSettings store;
    store.Values = {{"Left", 10}, {"Top", 20}};  // the placement a stored run always has
    store.Values.insert(c.values.begin(), c.values.end());
    TSettings s;
    EXPECT_TRUE(ReadSettings(store, s)) << c.what;
    EXPECT_TRUE(c.holds(s)) << c.what;
  }
}

TEST(Settings, WhatIsWrittenReadsBackExceptTheValuesNeverWritten) {
  TSettings s;
  s.Left = 5, s.Top = 6, s.Height = 700, s.BracketArrangement = 1;
  s.HostName = "Zed", s.DefaultLocation = "/srv/files/";
  s.AlwaysOnTop = true, s.ShowStatusSummary = false, s.RemindAt15 = s.RemindAt5 = true;
  s.MiddleTimeZone = "Tokyo Standard Time", s.MiddleTime24Hour = true;
  s.ConfirmNotifyFilter = 0x1000003, s.DefaultClearZFList = true, s.CapNames = true;
  s.DisplayMatchTimeRemaining = s.PostAssignmentsManually = true;
  s.RecentTourneys = {"b.vkr", "a.vkr"};
  s.DefaultStartTables = "1,2,3";
  s.LastVersionInstalled = 44;
  TFakeSettings store, again;
  WriteSettings(store, s);
  EXPECT_EQ(store.Values.count("Default Start Tables") + store.Values.count("Last Version Installed"), 0u);
  TSettings back;
  ASSERT_TRUE(ReadSettings(store, back));
  EXPECT_FALSE(back.DefaultStartTables.has_value());
  // Every value read back writes the same store again.
  WriteSettings(again, back);
  EXPECT_EQ(again.Values, store.Values);
  EXPECT_EQ(again.Lists, store.Lists);
  EXPECT_EQ(back.RecentTourneys, s.RecentTourneys);
}

TEST(Settings, TheTournamentTakesTheStoredOptionsAndGivesThemBack) {
  TTestHost h;
  TSettings s;
  s.FourPerTable = s.AutoPostLoss = true;
  s.ResetBootOnAssign = false;
  s.ConfirmNotifyFilter = 6;
  s.DefaultStartTables = "x";
  ApplySettings(h.T, s);
  EXPECT_EQ(h.T.Format.DefaultStartTables[2], 1) << "a damaged list keeps the built-in tables";
  s.DefaultStartTables = "5,6,7,8,9,10,11,12,13,14,15,16,17,18,19";
  ApplySettings(h.T, s);
  EXPECT_TRUE(h.T.TeamMode && h.T.Lobby.AutoPostLoss && !h.T.Options.ResetBootsOnAssign);
  EXPECT_EQ(h.T.Format.DefaultStartTables[2], 7);
  TSettings back;
  CaptureSettings(h.T, back);
  EXPECT_TRUE(back.FourPerTable && back.AutoPostLoss && !back.ResetBootOnAssign);
  EXPECT_EQ(back.ConfirmNotifyFilter, 6u);
}

TEST(Settings, RecentFilesKeepTheNewestOnceEach) {
  std::vector<std::string> list;
  for (int i = 0; i < kRecentFilesKept + 3; ++i) AddRecentFile(list, "cup" + std::to_string(i) + ".vkr");
  AddRecentFile(list, "CUP5.VKR");
  ASSERT_EQ(list.size(), static_cast<size_t>(kRecentFilesKept));
  EXPECT_EQ(list[0], "CUP5.VKR");
  EXPECT_EQ(std::count(list.begin(), list.end(), "cup5.vkr"), 0);
  EXPECT_EQ(list[1], "cup12.vkr");
}

TEST(FilesFolder, MovesTheFormatsAndBannedListOnlyWhenBothCopy) {
  TTestHost h;
  h.T.FilesFolder = "/old/";
  h.Files.Files["/old/Tourney Formats.ini"] = "[Default]\r\n";
  EXPECT_FALSE(MoveFilesFolder(h.T, "/new"));
  EXPECT_EQ(h.T.FilesFolder, "/old/");
  EXPECT_EQ(h.Screen.Events.back(),
            "warning: Could not move the format file to the new location, leaving it as it was.");
  EXPECT_TRUE(h.Files.Files.count("/old/Tourney Formats.ini"));

  h.Files.Files["/old/BannedPlayers.txt"] = "Mallory\r\n";
  EXPECT_TRUE(MoveFilesFolder(h.T, "/new"));
  EXPECT_EQ(h.T.FilesFolder, "/new/");
  EXPECT_EQ(h.Files.Files.count("/old/BannedPlayers.txt"), 0u);
  EXPECT_EQ(h.Files.Files["/new/BannedPlayers.txt"], "Mallory\r\n");
  EXPECT_FALSE(MoveFilesFolder(h.T, "/NEW/")) << "the same folder in other case";
}

TEST(FilesFolder, PlayerListsRoundTripThroughTheirFiles) {
  TTestHost h;
  h.T.FilesFolder = "/f/";
  h.Files.Files["/f/RecentPlayers.txt"] = "bob\r\nAnna\r\nbob\r\n";
  LoadPlayerLists(h.T);
  ASSERT_EQ(h.T.RecentPlayers.Items().size(), 2u);
  h.T.BannedPlayers.Add("Zed");
  SavePlayerLists(h.T);
  EXPECT_EQ(h.Files.Files["/f/RecentPlayers.txt"], "Anna\r\nbob\r\n");
  EXPECT_EQ(h.Files.Files["/f/BannedPlayers.txt"], "Zed\r\n");
}

}  // namespace
}  // namespace vkr::test
