// The grand final in each format, the one-loss bracket's last round in
// triple elimination, and the placings read from them. The grand-final,
// single, double and triple scripts pin what a grand final's result logs
// and posts, and that taking it back leaves both finalists playing.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "support/TourneyHost.h"
#include "engine/Structure.h"
#include "messages/Templates.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

std::string Placing(TEngineHost& h, const char* token) { return ExpandTokens(h.T, token, h.T.Context); }

const TTable& GrandFinal(const TEngineHost& h) { return h.T.Model.Table(Winners, h.T.Model.GrandFinalRound(), 0); }

// The grand-final scenario script pins the placings once the grand final is
// decided and when its win moves; before, only third place is known.
TEST(GrandFinal, BeforeItsResultOnlyThirdPlaceIsKnown) {
  TEngineHost h(ElimDouble);
  h.SignUpEight();
  h.PlayToGrandFinal();
  ASSERT_EQ(h.T.Model.GrandFinalRound(), 3);
  EXPECT_EQ(Placing(h, "[%1|%2]"), "[|]");
  EXPECT_EQ(Placing(h, "%3"), h.T.Model.Player(h.T.Model.Table(OneLoss, 4, 0).Loser()).Name);
  EXPECT_FALSE(h.T.View.EmailPanelShown);
  h.Win(Winners, 3, 0, 1);
  EXPECT_TRUE(h.T.View.EmailPanelShown);
}

TEST(GrandFinal, TakingBackTheOneLossFinalFreesTheGrandFinalSeat) {
  TEngineHost h(ElimDouble);
  h.SignUpEight();
  h.PlayToGrandFinal();
  const int16_t oneLoss = GrandFinal(h).Seat[1];
  h.Mark();
  h.Release(OneLoss, 4, 0, 0);
  EXPECT_EQ(h.Log().at(2), Sprintf("    -> CancelMatch - Round = 4, Table = %d", h.T.Model.Table(OneLoss, 4, 0).Number));
  // The seat is held in slot 5 but the table is in the grand final's round.
  EXPECT_EQ(h.Log().at(3), Sprintf("    -> CancelMatch - Round = %d, Table = 150", h.T.Model.GrandFinalRound()));
  EXPECT_FALSE(GrandFinal(h).SeatTaken(1));
  EXPECT_EQ(GrandFinal(h).StartTime, 0);
  EXPECT_FALSE(h.T.Model.Player(oneLoss).Tables[5].IsSet());
}

TEST(GrandFinal, TripleSeatsTheTwoLossChampionAgainstTheOneLossChampion) {
  TEngineHost h(ElimTriple);
  h.SignUpEight();
  h.PlayToGrandFinal();
  const TModel& m = h.T.Model;
  ASSERT_EQ(m.OneLossLastRound(), 5);
  ASSERT_EQ(m.TwoLossFinalRound(), 6);
  const TTable& last = m.Table(OneLoss, 5, 0);
  const int16_t twoLoss = m.Table(TwoLoss, 6, 0).Winner();
  EXPECT_EQ(last.Seat, (std::array<int16_t, 2>{m.Table(OneLoss, 4, 0).Winner(), twoLoss}));
  EXPECT_EQ(m.Player(twoLoss).Tables[7], TTableRef::Of(OneLoss, 5, 0));
  // PlayToGrandFinal played the last round with seat 0 winning: the
  // one-loss champion went on to the grand final.
  EXPECT_EQ(last.Result, 1);
  EXPECT_EQ(GrandFinal(h).Seat[1], last.Seat[0]);
  EXPECT_EQ(Placing(h, "%3"), m.Player(twoLoss).Name);

  // The two-loss champion's button there takes the win over.
  h.Mark();
  h.Win(OneLoss, 5, 0, 1);
  EXPECT_EQ(last.Result, 2);
  EXPECT_EQ(GrandFinal(h).Seat[1], twoLoss);
  EXPECT_EQ(m.Player(twoLoss).Tables[8], TTableRef::Of(Winners, 3, 0));
}

// The e-mail panel names both finalists and both third places once the
// semi-finals of a single elimination are decided.
TEST(Placings, EmailLabelsNameTheFinalistsAndBothThirds) {
  TEngineHost h(ElimSingle);
  h.SignUpEight();
  h.PlayRound(Winners, 0);
  h.Win(Winners, 1, 0, 0);
  h.Win(Winners, 1, 1, 1);
  EXPECT_EQ(h.T.View.EmailLabels,
            (std::array<std::string, 4>{"Anna's Email:", "Gina's Email:", "Cleo's Email:", "Emma's Email:"}));
}

TEST(Placings, ThirdPlaceWithoutASemiFinalRoundIsEmpty) {
  // Every first-round match abandoned: no round has a single entry left.
  TEngineHost h(ElimSingle);
  h.SignUpEight();
  for (int i = 0; i < 4; ++i) h.T.Model.SetResult(TTableRef::Of(Winners, 0, i), 4);
  UpdateFullTableCount(h.T);
  ASSERT_EQ(h.T.Model.WinnersFinalRound(), -1);
  EXPECT_EQ(Placing(h, "[%1|%2|%3]"), "[||]");
}

}  // namespace
}  // namespace vkr::test
