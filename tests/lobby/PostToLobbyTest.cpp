// Posting one line: the marker, the clipboard forms, paste and Enter, preview.
#include <gtest/gtest.h>

#include "lobby/LobbyChoice.h"
#include "lobby/PostToLobby.h"
#include "lobby/LobbyTestHost.h"
#include "messages/Templates.h"

namespace vkr::test {
namespace {

struct PostToLobbyTest : ::testing::Test {
  TLobbyTestHost Host;
  TSimLobbyWindows Lobby = Host.Sim.OpenLobby("Lobby 1", "ZoneLobbyClientWnd");
  void Choose() { SelectLobby(Host.T, TLobbyEntry{"Lobby 1", Lobby.Lobby}); }
  std::vector<std::string> Chat() const { return Host.Sim.ChatLines(Lobby.ChatHistory); }
};

// A line goes to the clipboard in both forms. The marker needs a text after
// it; an automatic line it marks stays on the clipboard for the host to
// paste, and the log keeps the line as it was asked for.
TEST_F(PostToLobbyTest, BothClipboardFormsAndMarkedAutoLinesStayOnTheClipboard) {
  PostToLobby(Host.T, "\x95 Table #7", true);
  EXPECT_EQ(Host.Clipboard.Ansi, "\x95 Table #7");
  EXPECT_EQ(Host.Clipboard.Wide, u"\u2022 Table #7");
  Choose();
  PostToLobby(Host.T, "%!Bob wins", true);
  EXPECT_EQ(Host.Clipboard.Ansi, "Bob wins");
  EXPECT_EQ(Host.Sim.BoxText(Lobby.ChatBox), "");
  EXPECT_TRUE(Chat().empty());
  EXPECT_EQ(Host.LogLines().back(), "    -> Posting \"%!Bob wins\"");
  PostToLobby(Host.T, "%!x", false);
  PostToLobby(Host.T, "%!", false);
  EXPECT_EQ(Chat(), (std::vector<std::string>{"x", "%!"}));
}

TEST_F(PostToLobbyTest, EachSentLineIsFollowedByTheDelay) {
  Choose();
  Announce(Host.T, "one%ctwo%cthree", true);
  EXPECT_EQ(Chat(), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(Host.Clock.Delays, (std::vector<uint32_t>{100, 100, 100}));
  EXPECT_EQ(Host.Sim.BoxText(Lobby.ChatBox), "");
}

TEST_F(PostToLobbyTest, BusyClipboardWarnsAndNeverPastesTheOldText) {
  Choose();
  PostToLobby(Host.T, "old", false);
  Host.Clipboard.Busy = true;
  PostToLobby(Host.T, "new", false);
  EXPECT_EQ(Host.Screen.Events, std::vector<std::string>{"warning: Can't copy message into clipboard"});
  EXPECT_EQ(Chat(), std::vector<std::string>{"old"});
  EXPECT_EQ(Host.LogLines().back(), "    -> Posting \"new\"");
}

}  // namespace
}  // namespace vkr::test
