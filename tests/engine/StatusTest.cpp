// The announcement chosen for an entry's current spot. The losers scenario
// script pins the texts after a loss, both entries named once seated.
#include <gtest/gtest.h>

#include "support/TourneyHost.h"
#include "engine/Status.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

TEST(PlayerStatus, ABootedEntryAlwaysGetsBoot) {
  TEngineHost h(ElimDouble);
  h.SignUpEight();
  h.Win(Winners, 0, 0, 1);  // Anna lost and sits in the one-loss bracket
  const int anna = h.Entry("Anna");
  h.T.Model.SetBootStart(anna, h.Clock.Current - 35.0 / kSecondsPerDay);
  h.Mark();
  PostPlayerStatus(h.T, anna, true);
  EXPECT_EQ(h.Posts(), (S{kBullets + " (At #91) Anna has 6:25 minutes to return. It is now :30 past the hour."}));
}

TEST(PlayerStatus, ByeTableAsksFirst) {
  TEngineHost h(ElimSingle);
  h.Add({"Anna", "Bert", "Cleo", "Dirk", "Emma", "Finn", "Gina", "Hugo", "Ivan"});
  h.Close();
  h.Mark();
  h.Screen.Answers = {false, true};
  const int ivan = h.Entry("Ivan");
  PostPlayerStatus(h.T, ivan, true);
  EXPECT_TRUE(h.Posts().empty());
  PostPlayerStatus(h.T, ivan, true);
  const std::string question =
      "ask: The player is currently sitting at a bye.\r\nAre you sure you want to post the player's table without "
      "declaring the bye first?";
  EXPECT_EQ(h.Events(), (S{question + " -> no", question + " -> yes"}));
  EXPECT_EQ(h.Posts(), (S{kBullets + " Ivan, Welcome to this Tournament. Please be seated at Table #58 by "}));
}

}  // namespace
}  // namespace vkr::test
