// The chat box search inside the two kinds of lobby window.
#include <gtest/gtest.h>

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
}

TEST_F(FindLobbyEditTest, ClosedOrUnknownWindowsGiveNone) {
  const TSimLobbyWindows lobby = Sim.OpenLobby("Lobby", "ZoneLobbyWindow");
  Sim.DestroyWindow(lobby.Lobby);
  EXPECT_EQ(Find(lobby.Lobby), 0u);
  EXPECT_EQ(Find(0), 0u);
  Host.T.Ports.Windows = nullptr;
  EXPECT_TRUE(EnumerateLobbies(Host.T).empty());
}

}  // namespace
}  // namespace vkr::test
