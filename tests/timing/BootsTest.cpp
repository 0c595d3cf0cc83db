// Boots: the boot button, the boot clock and its time-out, the boot menu.
// The boots scenario plays returns, time-outs and the menu's commands.
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
};

// The timing scenario shows the list of running boots and the announcements
// without a chat box. With one the host is asked first; a no only skips the
// announcement.
TEST(Boots, BootRunsAndTimesOutAfterTheBootTime) {
  TBootHost h;
  h.T.Lobby.FLobbyEditWnd = 7;
  h.Screen.DefaultAnswer = false;
  h.Boot(2, 1);  // Finn at table 52
  h.Mark();
  EXPECT_FALSE(BootButtonFace(h.T, h.Entry("Finn"), h.Clock.Current).ShowImage);
  h.Seconds(65);
  EXPECT_EQ(BootButtonFace(h.T, h.Entry("Finn"), h.Clock.Current).Caption, "1:05");
  h.Seconds(420 - 65);
  EXPECT_FALSE(h.P("Finn").BootedTooLong);
  h.Seconds(1);
  EXPECT_TRUE(h.P("Finn").BootedTooLong);
  EXPECT_TRUE(h.T.BootedPlayers.empty());
  EXPECT_EQ(h.Events(), (S{"ask: Finn (playing Emma) has timed out at table 52. Post message in lobby? -> no"}));
  EXPECT_TRUE(h.Posts().empty());
  const TBootButtonFace face = BootButtonFace(h.T, h.Entry("Finn"), h.Clock.Current);
  EXPECT_TRUE(face.ShowImage);
  EXPECT_EQ(face.Caption, "1");
}

TEST(BootMenu, StatesFollowTheEntryAndAnEmptySeatHasNone) {
  TBootHost h;
  h.Mark();
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
  EXPECT_TRUE(h.Log().empty());
}

}  // namespace
}  // namespace vkr::test
