// The new-tournament dialog's rules: the proposed file name, the fields a
// format fills in, and starting from them.
#include <gtest/gtest.h>

#include "engine/Tourney.h"
#include "formats/FormatTestHost.h"
#include "formats/NewTourneyForm.h"
#include "formats/PointsList.h"
#include "storage/TournamentFile.h"

namespace vkr {
namespace {

TEST(NewTourneyFormTest, TheProposedFileNameDropsCharactersNoFileNameMayHold) {
  const TDateTime day = EncodeDateTime(2026, 12, 5, 20, 0, 0);
  struct Case {
    const char* format;
    const char* start;
    const char* file;
  } cases[] = {
      {"Fast", "8:30pm", "F/Fast 05Dec26 830pm Tournament"},
      {"Default", "", "F/Default 05Dec26  Tournament"},
      {"a*b.c/d", "<9>?\\|\"", "F/abcd 05Dec26 9 Tournament"},
  };
  for (const Case& c : cases) EXPECT_EQ(ProposedTourneyFile("F/", c.format, day, c.start), c.file);
  EXPECT_EQ(TourneyFileOf("x/cup"), "x/cup.vkr");
  EXPECT_EQ(TourneyFileOf("x/cup.VKR"), "x/cup.VKR");
}

TEST(NewTourneyFormTest, OpeningPresetsChoosingAFormatFillsItsFieldsAndStartingSavesTheDialogsValues) {
  test::TFormatTestHost h;
  h.Store("[Fast]\r\nHost name=Hal\r\nCo-host name=\r\nStart time=8:30pm\r\nStarting tables=7,8\r\nElim=2\r\n"
          "Boot time=3\r\n[Bare]\r\nWelcome=x\r\n");
  h.T.Format.MenuEntries = {"Default", "Fast", "Bare"};
  h.T.Context.HostName = "Me";
  h.T.Context.RulesTimeText = "7pm";
  h.T.TeamMode = true;
  TNewTourneyDraft d = OpenNewTourney(h.T);
  EXPECT_EQ(d.Choice.FormatName, "Default");
  EXPECT_EQ(d.Choice.Host.HostName, "Me");
  EXPECT_TRUE(d.Choice.TeamMode);
  EXPECT_EQ(d.Choice.StartTables, h.T.Format.DefaultStartTables);
  EXPECT_EQ(d.FileField, "files/Default 05Dec26  Tournament");
  EXPECT_EQ(NewTourneyFormatNames(h.T), (std::vector<std::string>{"Default", "Fast", "Bare"}));

  d.Choice.Host.CoHostName = "Cid";
  ChooseNewTourneyFormat(h.T, d, "Fast");  // the dialog test sees the host name
  EXPECT_EQ(d.Choice.Host.CoHostName, "Cid");  // an empty key keeps the field
  EXPECT_EQ(d.Choice.Host.RulesTimeText, "7pm");
  EXPECT_EQ(d.Choice.StartTables, TextToList("7,8"));
  EXPECT_EQ(d.FileField, "files/Fast 05Dec26 830pm Tournament");
  ChooseNewTourneyFormat(h.T, d, "Bare");
  EXPECT_EQ(d.Choice.StartTables, h.T.Format.DefaultStartTables);
  EXPECT_EQ(d.Choice.Host.HostName, "Hal");

  ChooseNewTourneyFormat(h.T, d, "Fast");
  d.Choice.Host.HostName = "Ann";
  d.Choice.StartTables = TextToList("9");
  d.FileField = "files/cup";
  StartFromDraft(h.T, d);
  EXPECT_EQ(h.T.Storage.FileName, "files/cup.vkr");
  EXPECT_EQ(h.T.ElimFormat, ElimDouble);
  EXPECT_EQ(h.T.Format.BootTime, 3);
  EXPECT_EQ(h.T.StartTables[0], 9);
  EXPECT_TRUE(h.T.Lobby.DisabledChecked);
  test::TTestHost reloaded;
  reloaded.Files.Files["cup.vkr"] = h.Files.Files.at("files/cup.vkr");
  ASSERT_TRUE(LoadTournament(reloaded.T, "cup.vkr"));
  EXPECT_EQ(reloaded.T.Context.HostName, "Ann");
}

}  // namespace
}  // namespace vkr
