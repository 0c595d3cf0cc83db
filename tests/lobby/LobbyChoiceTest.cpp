// Choosing, disabling and re-finding the lobby; the loser's auto-post item.
#include <gtest/gtest.h>

#include "engine/SignUp.h"
#include "lobby/LobbyChoice.h"
#include "lobby/LobbyOptions.h"
#include "lobby/LobbyTestHost.h"
#include "lobby/LobbyWindows.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

struct LobbyChoiceTest : ::testing::Test {
  TLobbyTestHost Host;
  TLobbyState& Lobby = Host.T.Lobby;

  void Choose(const std::string& title) {
    RefreshLobbyMenu(Host.T);
    for (const TLobbyMenuEntry& entry : Lobby.Menu) {
      if (entry.Lobby.Title == title) return SelectLobby(Host.T, entry.Lobby);
    }
    FAIL() << "no menu entry " << title;
  }
  // The first round's tables follow the lobby's table count.
  int32_t HighestTableNumber() const {
    int32_t highest = 0;
    for (const TTable& table : Host.T.Model.Round(Winners, 0).Tables) highest = std::max(highest, table.Number);
    return highest;
  }
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

TEST_F(LobbyChoiceTest, LobbyKindSetsTheTableCountOnlyWhileSignupsAreOpen) {
  Host.Sim.OpenLobby("Room", "ZoneLobbyWindow");
  Host.Sim.OpenLobby("Hall", "ZoneLobbyClientWnd");
  StartTourney(Host.T, "t.vkr", ElimSingle);
  for (const char* name : {"Ann", "Ben", "Cat", "Dan", "Eve", "Fay", "Gus", "Hal"}) AddButtonClick(Host.T, name);
  ASSERT_GT(HighestTableNumber(), 51);
  Choose("Room");
  EXPECT_EQ(Host.T.LobbyTableCount, 51);
  EXPECT_LE(HighestTableNumber(), 51);
  Choose("Hall");
  EXPECT_EQ(Host.T.LobbyTableCount, 150);
  const int32_t highest = HighestTableNumber();
  EXPECT_GT(highest, 51);
  CloseSignups(Host.T);
  Choose("Room");
  EXPECT_EQ(Host.T.LobbyTableCount, 150);
  EXPECT_EQ(HighestTableNumber(), highest);
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

  Choose("");
  ReattachLobby(Host.T);  // the next tick
  EXPECT_EQ(Lobby.FParentLobbyWnd, untitled.Lobby);
  EXPECT_EQ(Lobby.FLobbyEditWnd, untitled.ChatBox);
  RefreshLobbyMenu(Host.T);
  EXPECT_TRUE(Lobby.DisabledChecked);
}

TEST_F(LobbyChoiceTest, LoserAutoPostItemNeedsAChatBoxAndNoPreview) {
  EXPECT_FALSE(AutoPostLossItemEnabled(Host.T));
  Host.Sim.OpenLobby("Lobby", "ZoneLobbyClientWnd");
  Choose("Lobby");
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
