// Result entry and advancement: where winners and losers go, what is logged,
// what is announced, and when the clocks of the new tables start.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "engine/Structure.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

std::string Posting(const std::string& text) { return "    -> Posting \"" + text + "\""; }

TEST(WinnersAdvancement, WinnerAndLoserMoveOnInDouble) {
  TEngineHost h(ElimDouble);
  h.SignUpEight();
  h.Win(Winners, 0, 0, 0);
  const std::string post = kBullets + " Anna, you will be playing next at Table #90 for Round 2 (Time:30)";
  EXPECT_EQ(h.Log(), (S{"Click: Winners Win check",
                        "    -> Assigning Winners Win - Winner = Anna, Loser = Bert, Round = 1, Table = 50",
                        "    -> Winner assigned to table 90, seat 0", "    -> Loser assigned to table 91, seat 0",
                        "    -> UpdateOneLossRound", "    -> UpdateWinnersRound", "    -> UpdatePlayerState",
                        Posting(post)}));
  EXPECT_EQ(h.Posts(), (S{post}));
  EXPECT_EQ(h.T.Model.Table(Winners, 0, 0).FinishTime, h.Clock.Current);
  EXPECT_EQ(h.Where("Anna"), TTableRef::Of(Winners, 1, 0));
  EXPECT_EQ(h.Where("Bert"), TTableRef::Of(OneLoss, 1, 0));
  EXPECT_EQ(h.TableOf("Anna").StartTime, 0);
  h.Clock.Advance(60);
  h.Win(Winners, 0, 1, 0);  // Cleo fills the table: it starts
  EXPECT_EQ(h.TableOf("Anna").StartTime, h.Clock.Current);
}

TEST(WinnersAdvancement, PostManuallyHoldsWinnersTablesButNotLosersTables) {
  TEngineHost h(ElimDouble);
  h.SignUpEight();
  h.T.Lobby.PostManually = true;
  h.T.Lobby.AutoPostLoss = true;
  h.T.Lobby.FLobbyEditWnd = 1;
  h.Win(Winners, 0, 0, 0);
  h.Win(Winners, 0, 1, 0);
  EXPECT_TRUE(h.Posts().empty());
  EXPECT_EQ(h.TableOf("Anna").StartTime, 0);
  EXPECT_EQ(h.TableOf("Bert").StartTime, h.Clock.Current);
}

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

TEST(WinnersAdvancement, SingleSemiFinalLoserIsThankedAndAnnouncedThird) {
  TEngineHost h(ElimSingle);
  h.SignUpEight();
  h.PlayRound(Winners, 0);
  h.T.Lobby.AutoPostLoss = true;
  h.T.Lobby.PostManually = true;  // holds only the winner's posting in single elimination
  h.T.Lobby.FLobbyEditWnd = 1;
  h.Mark();
  h.Win(Winners, 1, 0, 0);
  EXPECT_EQ(h.Posts(), (S{kBullets + " Cleo, thank you for playing this Tournament. Hope to see you here again.",
                          kBullets + " Congratulations go to Cleo for THIRD PLACE " + kBullets}));
  h.T.Lobby.PostManually = false;
  h.Mark();
  h.Win(Winners, 1, 1, 1);
  EXPECT_EQ(h.Posts().back(), kBullets + " Congratulations go to Cleo and Emma for THIRD PLACE " + kBullets);
  EXPECT_EQ(h.T.View.EmailLabels,
            (std::array<std::string, 4>{"Anna's Email:", "Gina's Email:", "Cleo's Email:", "Emma's Email:"}));
}

// A one-loss loser drops to the two-loss bracket in triple elimination and
// is out in double, where posting by hand holds only the winner's posting.
TEST(OneLossAdvancement, LoserDropsInTripleAndIsThankedInDouble) {
  for (int format : {ElimTriple, ElimDouble}) {
    SCOPED_TRACE(format);
    TEngineHost h(format);
    h.SignUpEight();
    h.PlayRound(Winners, 0);
    h.T.Lobby.AutoPostLoss = true;
    h.T.Lobby.PostManually = format == ElimDouble;
    h.T.Lobby.FLobbyEditWnd = 1;
    h.Mark();
    h.Win(OneLoss, 1, 0, 0);
    EXPECT_EQ(h.Where("Bert"), TTableRef::Of(OneLoss, 2, 0));
    if (format == ElimTriple) {
      EXPECT_EQ(h.Where("Dirk"), TTableRef::Of(TwoLoss, 2, 0));
      EXPECT_EQ(h.Posts(), (S{Sprintf("%s Bert, you will be playing next at Table #%d for Round 3 (Time:30)",
                                      kBullets.c_str(), h.TableOf("Bert").Number),
                              kBullets + " Dirk, you have another chance at Table #3 for Round 3 (Time:30)"}));
    } else {
      EXPECT_EQ(h.Where("Dirk"), TTableRef::Of(OneLoss, 1, 0));
      EXPECT_EQ(h.Posts(), (S{kBullets + " Dirk, thank you for playing this Tournament. Hope to see you here again."}));
    }
  }
}

TEST(TwoLossAdvancement, WinnerMovesOnAndLoserIsThanked) {
  TEngineHost h(ElimTriple);
  h.SignUpEight();
  h.PlayRound(Winners, 0);
  h.PlayRound(OneLoss, 1);
  h.T.Lobby.AutoPostLoss = true;
  h.T.Lobby.FLobbyEditWnd = 1;
  h.Mark();
  h.Win(TwoLoss, 2, 0, 0);
  EXPECT_EQ(h.Where("Dirk").Bracket, TwoLoss);
  EXPECT_EQ(h.Where("Dirk").Round, 3);
  EXPECT_EQ(h.Posts(), (S{Sprintf("%s Dirk, you will be playing next at Table #%d for Round 4 (Time:30)",
                                  kBullets.c_str(), h.TableOf("Dirk").Number),
                          kBullets + " Hugo, thank you for playing this Tournament. Hope to see you here again."}));
}

TEST(ByeTables, AWinnerAloneAtTheNextByeTableIsNotPosted) {
  TEngineHost h(ElimDouble);
  h.SignUpEight();
  h.PlayRound(Winners, 0);
  h.PlayRound(OneLoss, 1);
  h.PlayRound(Winners, 1);
  h.Win(Winners, 2, 0, 0);  // the winners final: its loser waits in one-loss round 4
  h.Mark();
  // One-loss round 4 holds three entries: the second winner of round 3 sits at the bye table.
  h.Win(OneLoss, 2, 0, 0);
  const std::string lucky = h.T.Model.Player(h.T.Model.Table(OneLoss, 2, 1).Seat[0]).Name;
  h.Win(OneLoss, 2, 1, 0);
  EXPECT_TRUE(h.T.Model.IsByeTable(h.Where(lucky)));
  EXPECT_EQ(h.Events().size(), 1U);  // the notice the scenarios show
  EXPECT_EQ(h.Posts().size(), 1U);  // only the first winner's
  // Declaring the bye asks nothing and moves the entry on.
  h.Mark();
  const TTableRef bye = h.Where(lucky);
  h.Win(OneLoss, bye.Round, bye.Index, 0);
  EXPECT_TRUE(h.Events().empty());
  EXPECT_EQ(h.Where(lucky).Round, 4);
  EXPECT_EQ(h.Posts().front(), kBullets + " " + lucky + ", you have the lucky BYE for Round 4!");
}

// Twelve entries: three winners of round 2 leave the semi-final's second
// table a bye table; ten: five first-round losers leave one in one-loss round 2.
TEST(ByeTables, AnOddRoundEndsInAByeTableWithSeatOneFree) {
  for (const auto& [entries, bracket, round] : {std::tuple{12, Winners, 2}, std::tuple{10, OneLoss, 1}}) {
    TEngineHost h(ElimDouble);
    h.AddPlayers(entries);
    h.Close();
    for (int r = 0; r < round; ++r) h.PlayRound(Winners, r);
    const TRound& x = h.T.Model.Round(bracket, round);
    ASSERT_TRUE(x.HasByeTable) << entries;
    EXPECT_TRUE(x.Tables[static_cast<size_t>(x.TableCount - 1)].SeatTaken(0));
    EXPECT_FALSE(x.Tables[static_cast<size_t>(x.TableCount - 1)].SeatTaken(1));
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
