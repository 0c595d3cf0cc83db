// Result entry and advancement: when the loser's next table is announced,
// and how the next table is numbered. The losers scenario script pins where
// winners and losers of each bracket go and what they are told; the demo
// pins an odd round's bye table, its entry in seat 0.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

TEST(WinnersAdvancement, LosersStatusNeedsAutoPostLossALobbyWindowAndNoPreview) {
  const std::string loser = kBullets + " Bert, you have another chance at Table #91 for Round 2 (Time:30)";
  for (int missing = 0; missing <= 3; ++missing) {  // 0: every condition holds; else the one that does not
    SCOPED_TRACE(missing);
    TEngineHost h(ElimDouble);
    h.SignUpEight();
    h.T.Lobby.AutoPostLoss = missing != 1;
    h.T.Lobby.FLobbyEditWnd = missing == 2 ? 0 : 1;
    h.T.Lobby.AutoPostPreview = missing == 3;
    h.Win(Winners, 0, 0, 0);
    const S posts = h.Posts();
    ASSERT_EQ(posts.size(), missing == 0 ? 2u : 1u);
    EXPECT_EQ(posts.back() == loser, missing == 0);
  }
}

// Both tables of winners round 2 carry void numbers (90 and 92 in double,
// 89 and 93 in triple); the first of them is renumbered by the format's step
// from the round's last table, or, when that cycle is all taken, to the free
// number nearest its own.
TEST(Renumbering, AnEmptyTableGetsTheNextFreeNumber) {
  struct TCase {
    int Format;
    std::vector<int32_t> Void;
    int32_t Number;
    S Log;
  };
  std::vector<int32_t> everyThird = {89};
  for (int32_t n = 3; n <= 150; n += 3) everyThird.push_back(n);
  const TCase cases[] = {
      {ElimDouble, {90, 92}, 94, {}},
      {ElimTriple, {89, 93, 97}, 96, {}},
      {ElimTriple, everyThird, 88,
       {"    -> Renumbering table - Bracket = Winners, Round = 2, Table = 89", "       -> Renumbered to 88"}},
  };
  for (const TCase& c : cases) {
    TEngineHost h(c.Format);
    h.SignUpEight();
    h.T.VoidTables = c.Void;
    h.Win(Winners, 0, 0, 0);
    EXPECT_EQ(h.Where("Anna"), TTableRef::Of(Winners, 1, 0));
    EXPECT_EQ(h.TableOf("Anna").Number, c.Number);
    S expected = c.Log;
    expected.push_back("    -> UpdateWinnersRound");
    expected.push_back(Sprintf("    -> Winner assigned to table %d, seat 0", c.Number));
    const S log = h.Log();
    ASSERT_GE(log.size(), expected.size() + 2);
    EXPECT_EQ(S(log.begin() + 2, log.begin() + 2 + static_cast<long>(expected.size())), expected);
    EXPECT_TRUE(h.Events().empty());
  }
}

TEST(Renumbering, NoSeatAnywhereIsCritical) {
  TEngineHost h(ElimSingle);
  h.SignUpEight();
  for (int32_t n = 1; n <= 150; ++n) h.T.VoidTables.push_back(n);
  h.Win(Winners, 0, 0, 0);
  EXPECT_EQ(h.Events(), (S{"error: CRITICAL PROBLEM: Could not find a table for the next assign in winner's bracket"}));
  EXPECT_EQ(h.Log()[2], "CRITICAL PROBLEM: Could not find a table for winner for next round");
  EXPECT_EQ(h.T.Model.Table(Winners, 0, 0).Result, 1);  // the result stays
  EXPECT_EQ(h.Where("Anna").Round, 0);
  EXPECT_TRUE(h.Posts().empty());
}

}  // namespace
}  // namespace vkr::test
