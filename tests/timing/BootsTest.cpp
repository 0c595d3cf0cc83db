// Boots: the boot button, the boot clock and its time-out, the boot menu.
#include <gtest/gtest.h>

#include "engine/Tourney.h"
#include "support/TourneyHost.h"
#include "timing/BootMenu.h"
#include "timing/BootTick.h"
#include "timing/Boots.h"
#include "timing/TimerTick.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

struct TBootHost : TEngineHost {
  explicit TBootHost(int elim = ElimSingle) : TEngineHost(elim) { SignUpEight(); }
  // Seat s of winners round 1 table row i.
  static TTableRef Row(int i) { return TTableRef::Of(Winners, 0, i); }
  void Boot(int row, int seat) { BootButtonClick(T, Row(row), seat); }
  // Ticks once per second for `seconds` seconds.
  void Seconds(int seconds) {
    for (int i = 0; i < seconds; ++i) {
      Clock.Advance(1);
      TimerTimer(T);
    }
  }
  const TPlayer& P(const std::string& name) const { return T.Model.Player(Entry(name)); }
  // The log since the mark without the lines of saving and posting.
  S BootLog() const {
    S lines;
    for (const std::string& line : Log()) {
      if (line != "    -> UpdatePlayerState" && line.rfind("    -> Posting", 0) != 0) lines.push_back(line);
    }
    return lines;
  }
};

// The timing scenario shows the list of running boots and the announcements.
TEST(Boots, BootRunsAndTimesOutAfterTheBootTime) {
  TBootHost h;
  h.Boot(2, 0);  // Emma at table 52
  EXPECT_FALSE(BootButtonFace(h.T, h.Entry("Emma"), h.Clock.Current).ShowImage);
  h.Seconds(65);
  EXPECT_EQ(h.T.Timing.ActiveBoots, (std::vector<TActiveBootLine>{{"Emma", "1:05", 52}}));
  EXPECT_EQ(BootButtonFace(h.T, h.Entry("Emma"), h.Clock.Current).Caption, "1:05");
  h.Seconds(420 - 65);
  EXPECT_FALSE(h.P("Emma").BootedTooLong);
  h.Seconds(1);
  EXPECT_TRUE(h.P("Emma").BootedTooLong);
  EXPECT_EQ(h.P("Emma").BootStart, 0);
  EXPECT_TRUE(h.T.BootedPlayers.empty());
  const TBootButtonFace face = BootButtonFace(h.T, h.Entry("Emma"), h.Clock.Current);
  EXPECT_TRUE(face.ShowImage);
  EXPECT_EQ(face.Caption, "1");
}

TEST(Boots, AReturnWithinEightSecondsIsNotCounted) {
  for (int after : {8, 9}) {
    TBootHost h;
    h.Boot(0, 1);
    h.Seconds(after);
    h.Boot(0, 1);
    EXPECT_EQ(h.P("Bert").BootCount, after == 9 ? 1 : 0);
    EXPECT_EQ(h.P("Bert").BootStart, 0);
    EXPECT_TRUE(h.T.BootedPlayers.empty());
  }
}

TEST(Boots, TwoTimeOutsInOneSecondComeOnTwoTicksInListOrder) {
  TBootHost h;
  h.Boot(3, 1);  // Hugo
  h.Boot(1, 0);  // Cleo
  h.Seconds(421);
  EXPECT_TRUE(h.P("Hugo").BootedTooLong);
  EXPECT_FALSE(h.P("Cleo").BootedTooLong);
  h.Seconds(1);
  EXPECT_TRUE(h.P("Cleo").BootedTooLong);
  std::vector<std::string> events;
  for (const std::string& line : h.BootLog()) {
    if (line.rfind("Event:", 0) == 0) events.push_back(line);
  }
  EXPECT_EQ(events, (S{"Event: Player \"Hugo\" boot has timed out", "Event: Player \"Cleo\" boot has timed out"}));
}

TEST(Boots, AnEntryAloneAtItsTableTimesOutWithoutOpponent) {
  TBootHost h;
  h.Win(Winners, 0, 0, 0);  // Anna waits alone at the semi-final
  h.Mark();
  BootButtonClick(h.T, TTableRef::Of(Winners, 1, 0), 0);
  h.Seconds(421);
  EXPECT_EQ(h.Posts().back(), kBullets + " , your opp (Anna) has timed out, please post win");
  EXPECT_EQ(h.Events().back(), "info: Anna has timed out at table 148, you may inform the opp ");
}

TEST(Boots, WithAChatBoxTheHostIsAskedFirst) {
  TBootHost h;
  h.T.Lobby.FLobbyEditWnd = 7;
  h.Screen.DefaultAnswer = false;
  h.Boot(2, 1);
  h.Mark();
  h.Seconds(421);
  EXPECT_EQ(h.Events(), (S{"ask: Finn (playing Emma) has timed out at table 52. Post message in lobby? -> no"}));
  EXPECT_TRUE(h.Posts().empty());
  EXPECT_TRUE(h.P("Finn").BootedTooLong);  // No only skips the announcement
}

TEST(BootMenu, StatesFollowTheEntryAndAnEmptySeatHasNone) {
  TBootHost h;
  const TTableRef empty = TTableRef::Of(Winners, 1, 0);
  const TBootMenuState none = BootMenuPopup(h.T, empty, 1);
  EXPECT_FALSE(none.ClearBootCount || none.CancelBootedState || none.IncrementBootCount);
  for (auto click : {ClearBootCountItemClick, SilentCancelBootTimingItemClick, CancelBootedStateItemClick,
                     IncrementBootCountItemClick, DecrementBootCountItemClick}) {
    EXPECT_FALSE(click(h.T, empty, 1));
  }
  EXPECT_TRUE(BootMenuPopup(h.T, TBootHost::Row(0), 0).IncrementBootCount);
  EXPECT_FALSE(DecrementBootCountItemClick(h.T, TBootHost::Row(0), 0));  // greyed: nothing happens
  EXPECT_EQ(h.P("Anna").BootCount, 0);
  EXPECT_TRUE(h.BootLog().empty());
}

TEST(BootMenu, EachCommandWithItsLogLines) {
  TBootHost h;
  const TTableRef row = TBootHost::Row(1);  // Cleo in seat 0, Dirk in seat 1
  EXPECT_TRUE(IncrementBootCountItemClick(h.T, row, 1));
  EXPECT_TRUE(IncrementBootCountItemClick(h.T, row, 1));
  EXPECT_TRUE(h.BootLog().empty());
  EXPECT_TRUE(DecrementBootCountItemClick(h.T, row, 1));
  EXPECT_EQ(h.P("Dirk").BootCount, 1);
  EXPECT_TRUE(ClearBootCountItemClick(h.T, row, 1));
  EXPECT_EQ(h.P("Dirk").BootCount, 0);
  h.Boot(1, 1);
  h.Seconds(20);
  EXPECT_TRUE(SilentCancelBootTimingItemClick(h.T, row, 1));
  EXPECT_EQ(h.P("Dirk").BootCount, 1);
  h.Boot(1, 0);
  h.Seconds(421);
  EXPECT_TRUE(CancelBootedStateItemClick(h.T, row, 0));
  EXPECT_FALSE(h.P("Cleo").BootedTooLong);
  EXPECT_EQ(h.BootLog(), (S{"Menu: Decrement boot count", "    -> Player = Dirk", "Menu: Clear boot count",
                            "    -> Player = Dirk", "Click: Boot button", "    -> \"Dirk\" has booted",
                            "Menu: Cancel boot silently", "    -> Boot returned: Dirk", "Click: Boot button",
                            "    -> \"Cleo\" has booted", "Event: Player \"Cleo\" boot has timed out",
                            "Menu: Cancel booted state", "    -> Player = Cleo", "    -> UpdateWinnersRound"}));
  EXPECT_EQ(h.Posts().size(), 3u) << "the boots and the time-out, nothing for the silent cancel";
}

}  // namespace
}  // namespace vkr::test
