// Splitting an announcement into posted lines, and the four announcement
// actions of the Action menu.
#include <gtest/gtest.h>

#include "support/TourneyHost.h"
#include "messages/Actions.h"
#include "messages/Templates.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

TEST(Announce, SplitsAtEachLowerCaseC) {
  TEngineHost h;
  h.T.Lobby.FLobbyEditWnd = 7;
  h.T.Context.PlayerName = "Anna";
  Announce(h.T, "A %p%cB%c", true);
  EXPECT_EQ(h.Posts(), (S{"A Anna", "B", ""}));
  h.Mark();
  Announce(h.T, "A%CB", true);
  EXPECT_EQ(h.Posts(), (S{"A\r\nB"}));
}

TEST(Announce, WithoutAChatBoxOrInPreviewOnlyTheFirstLineIsPosted) {
  TEngineHost h;
  Announce(h.T, "A%cB%cC", false);
  EXPECT_EQ(h.Posts(), (S{"A"}));
  EXPECT_EQ(h.Clipboard.Ansi, "A");
  h.T.Lobby.FLobbyEditWnd = 7;
  h.T.Lobby.AutoPostPreview = true;
  h.Mark();
  Announce(h.T, "D%cE", false);
  EXPECT_EQ(h.Posts(), (S{"D"}));
}

// Before any result the placings are empty; the lobby and formats scenarios show the other texts.
TEST(AnnouncementActions, WelcomeFormatAndWinners) {
  TEngineHost h;
  h.T.Lobby.FLobbyEditWnd = 7;
  h.T.Context.Row = 9;
  WelcomeActionClick(h.T);
  FormatActionClick(h.T);
  EXPECT_EQ(h.T.Context.Row, 0);
  WinnersActionClick(h.T);
  EXPECT_EQ(h.Log().at(0), "Click: Welcome");
  const S posts = h.Posts();
  EXPECT_EQ(S(posts.begin() + 2, posts.end()),
            (S{kBullets + " Congratulations go to  for FIRST PLACE " + kBullets,
               kBullets + "   and to  for SECOND PLACE   " + kBullets, kBullets + "   and to  for THIRD PLACE   " + kBullets}));
}

TEST(AnnouncementActions, AllStartStartsTheFullTablesOnce) {
  TEngineHost h;
  h.T.Lobby.FLobbyEditWnd = 7;
  h.T.OnePlayerPerTable = false;
  h.Add({"Anna", "Bert", "Cleo"});
  h.Mark();
  AllStartActionClick(h.T);
  const std::string line = kBullets + "     ALL START - 3 points     " + kBullets;
  EXPECT_EQ(h.Posts(), (S{line, line, line}));
  EXPECT_EQ(h.T.StartedAt, h.Clock.Current);
  EXPECT_EQ(h.T.Model.Table(Winners, 0, 0).StartTime, h.Clock.Current);
  EXPECT_EQ(h.T.Model.Table(Winners, 0, 1).StartTime, 0);
  // A second All Start only posts.
  const TDateTime first = h.Clock.Current;
  h.Clock.Advance(60);
  AllStartActionClick(h.T);
  EXPECT_EQ(h.T.StartedAt, first);
  EXPECT_EQ(h.T.Model.Table(Winners, 0, 0).StartTime, first);
}

TEST(DefaultFormat, ValuesByKeyIgnoringCase) {
  EXPECT_EQ(DefaultFormatValue("closed"), kBullets + " This tournament is now CLOSED");
  EXPECT_EQ(DefaultFormatValue("Boot time"), "7");
  EXPECT_EQ(DefaultFormatValue("Nothing"), "");
  EXPECT_EQ(std::string(DefaultFormatText[19]).substr(0, 13), "Time warning=");
}

}  // namespace
}  // namespace vkr::test
