// Splitting an announcement into posted lines, and the four announcement
// actions of the Action menu.
#include <gtest/gtest.h>

#include "support/TourneyHost.h"
#include "messages/Actions.h"
#include "messages/Templates.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

// Each lower-case %c starts a posted line; without a chat box, or in preview,
// only the first line goes out.
TEST(Announce, SplitsAtEachLowerCaseCAndPostsOneLineWhenItCannotSend) {
  const struct {
    bool ChatBox, Preview;
    const char* Template;
    S Posts;
  } cases[] = {
      {true, false, "A %p%cB%c", {"A Anna", "B", ""}},
      {true, false, "A%CB", {"A\r\nB"}},
      {false, false, "A%cB%cC", {"A"}},
      {true, true, "D%cE", {"D"}},
  };
  for (const auto& c : cases) {
    TEngineHost h;
    h.T.Lobby.FLobbyEditWnd = c.ChatBox ? 7 : 0;
    h.T.Lobby.AutoPostPreview = c.Preview;
    h.T.Context.PlayerName = "Anna";
    Announce(h.T, c.Template, !c.Preview);
    EXPECT_EQ(h.Posts(), c.Posts) << c.Template;
    EXPECT_EQ(h.Clipboard.Ansi, c.Posts.back()) << c.Template;
  }
}

// The lobby scenario shows the winners before any result.
TEST(AnnouncementActions, FormatStartsAtTheFirstRow) {
  TEngineHost h;
  h.T.Context.Row = 9;
  FormatActionClick(h.T);
  EXPECT_EQ(h.T.Context.Row, 0);
}

TEST(AnnouncementActions, AllStartStartsTheFullTablesOnce) {
  TEngineHost h;
  h.T.Lobby.FLobbyEditWnd = 7;
  h.T.OnePlayerPerTable = false;
  h.Add({"Anna", "Bert", "Cleo"});
  h.Mark();
  AllStartActionClick(h.T);
  EXPECT_EQ(h.Posts().size(), 3u);  // the first of its three lines is pinned by the demo
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

}  // namespace
}  // namespace vkr::test
