// The lobby windows: the chat box search inside the two kinds of lobby
// window; choosing, disabling and re-finding the lobby (the lobby-tables
// scenario shows the table count the choice sets); the loser's auto-post item.
#include <gtest/gtest.h>

#include "lobby/LobbyChoice.h"
#include "lobby/LobbyOptions.h"
#include "lobby/LobbyTestHost.h"
#include "lobby/LobbyWindows.h"

namespace vkr::test {
namespace {

struct FindLobbyEditTest : ::testing::Test {
  TLobbyTestHost Host;
  TSimLobby& Sim = Host.Sim;
  TWindowHandle Add(TWindowHandle parent, const std::string& className, int height = 100) {
    return Sim.AddWindow(parent, className, "", height);
  }
  TWindowHandle Find(TWindowHandle lobby) { return FindLobbyEdit(Host.T, lobby); }
};

TEST_F(FindLobbyEditTest, ChatBoxIsTwentyToFiftyPixelsHigh) {
  for (int height : {19, 20, 50, 51}) {
    const TWindowHandle lobby = Add(0, "ZoneLobbyClientWnd");
    const TWindowHandle box = Add(Add(lobby, "Pane"), "richedit20w", height);
    EXPECT_EQ(Find(lobby), height == 20 || height == 50 ? box : 0u) << height;
  }
}

TEST_F(FindLobbyEditTest, ClientKindSearchesBelowTheFirstChildOnly) {
  const TWindowHandle lobby = Add(0, "ZoneLobbyClientWnd");
  Add(lobby, "EmptyPane");
  Add(Add(lobby, "ChatPane"), "RichEdit20W", 24);
  EXPECT_EQ(Find(lobby), 0u);
  EXPECT_EQ(Find(Add(0, "ZoneLobbyClientWnd")), 0u);  // no children: not the whole desktop
}

TEST_F(FindLobbyEditTest, WindowKindNeedsTheActiveXHostAndTheChatControlLevels) {
  const TWindowHandle lobby = Add(0, "zonelobbywindow");
  EXPECT_EQ(Find(lobby), 0u);  // no AtlAxWin
  const TWindowHandle container = Add(Add(lobby, "AtlAxWin"), "Container");
  // A ChatControl that is not its parent's first child does not count.
  const TWindowHandle decoy = Add(container, "Panel");
  Add(decoy, "Header");
  Add(Add(decoy, "ChatControl"), "RichEdit20W", 24);
  EXPECT_EQ(Find(lobby), 0u);
  const TWindowHandle control = Add(Add(container, "Panel"), "CHATCONTROL");
  Add(control, "RichEdit20W", 300);
  const TWindowHandle box = Add(control, "RichEdit20W", 30);
  EXPECT_EQ(Find(lobby), box);
  // Closed or unknown windows give none.
  Sim.DestroyWindow(lobby);
  EXPECT_EQ(Find(lobby), 0u);
  EXPECT_EQ(Find(0), 0u);
  Host.T.Ports.Windows = nullptr;
  EXPECT_TRUE(EnumerateLobbies(Host.T).empty());
}

struct LobbyChoiceTest : ::testing::Test {
  TLobbyTestHost Host;
  TLobbyState& Lobby = Host.T.Lobby;
};

// The lobby scenario shows the menu checking the last of two lobbies of one title.
TEST_F(LobbyChoiceTest, SameTitleTwiceMenuChecksTheLastReattachTakesTheFirst) {
  const TSimLobbyWindows first = Host.Sim.OpenLobby("Lobby", "ZoneLobbyClientWnd");
  const TSimLobbyWindows second = Host.Sim.OpenLobby("LOBBY", "ZoneLobbyClientWnd");
  Lobby.LobbyName = "lobby";
  RefreshLobbyMenu(Host.T);
  EXPECT_EQ(Lobby.FLobbyEditWnd, second.ChatBox);
  EXPECT_EQ(Lobby.LobbyName, "LOBBY");
  ReattachLobby(Host.T);
  EXPECT_EQ(Lobby.FParentLobbyWnd, first.Lobby);
  EXPECT_EQ(Lobby.FLobbyEditWnd, first.ChatBox);
}

// No name finds an untitled window: it stays attached only while the
// host's own choice of it stands.
TEST_F(LobbyChoiceTest, AnUntitledWindowStaysAttachedOnlyWhenChosen) {
  const TSimLobbyWindows untitled = Host.Sim.OpenLobby("", "ZoneLobbyClientWnd");
  Lobby.DisabledChecked = false;  // as after loading a file without a lobby
  ReattachLobby(Host.T);
  EXPECT_EQ(Lobby.FLobbyEditWnd, 0u);
  RefreshLobbyMenu(Host.T);
  EXPECT_TRUE(Lobby.DisabledChecked);
  EXPECT_EQ(Lobby.FLobbyEditWnd, 0u);

  SelectLobby(Host.T, {"", untitled.Lobby});
  ReattachLobby(Host.T);  // the next tick
  EXPECT_EQ(Lobby.FParentLobbyWnd, untitled.Lobby);
  EXPECT_EQ(Lobby.FLobbyEditWnd, untitled.ChatBox);
  RefreshLobbyMenu(Host.T);
  EXPECT_TRUE(Lobby.DisabledChecked);
}

TEST_F(LobbyChoiceTest, LoserAutoPostItemNeedsAChatBoxAndNoPreview) {
  EXPECT_FALSE(AutoPostLossItemEnabled(Host.T));
  SelectLobby(Host.T, {"Lobby", Host.Sim.OpenLobby("Lobby", "ZoneLobbyClientWnd").Lobby});
  EXPECT_TRUE(AutoPostLossItemEnabled(Host.T));
  AutoPostPreviewItemClick(Host.T);
  EXPECT_FALSE(AutoPostLossItemEnabled(Host.T));
  AutoPostPreviewItemClick(Host.T);
  EXPECT_TRUE(AutoPostLossItemEnabled(Host.T));
  DisableLobby(Host.T);
  EXPECT_FALSE(AutoPostLossItemEnabled(Host.T));
}

}  // namespace
}  // namespace vkr::test
