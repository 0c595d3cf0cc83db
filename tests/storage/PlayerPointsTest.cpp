#include <gtest/gtest.h>

#include <limits>

#include "engine/Tourney.h"
#include "storage/PlayerPoints.h"
#include "storage/TourneyDriver.h"

namespace vkr::test {
namespace {

int PointsOf(const TTestHost& h, int entry) { return h.T.Model.Player(entry).Points; }
constexpr int kBob = 1, kDave = 3, kErin = 4;

void OnlyWinsCount(TTourney& t) {
  TPlayerPointsSettings& s = t.Format.PlayerPoints;
  s = TPlayerPointsSettings{};
  s.Win.fill(1);
}

TEST(PlayerPoints, NegativeFirstPlacePointsSetTheTotalBeforeDoubling) {
  TTestHost h;
  PlaySingleEight(h);
  OnlyWinsCount(h.T);
  h.T.Format.PlayerPoints.FirstPlace = -50;
  UpdatePlayerState(h.T);
  EXPECT_EQ(PointsOf(h, kDave), 50);  // three wins replaced by the place points
  EXPECT_EQ(PointsOf(h, kErin), 2);
  h.T.Format.DoublePlayerPoints = true;
  UpdatePlayerState(h.T);
  EXPECT_EQ(PointsOf(h, kDave), 100);
}

TEST(PlayerPoints, DisqualifiedPlayerHasNoneEvenWithWins) {
  TTestHost h;
  PlaySingleEight(h);
  h.T.Model.SetDisqualified(kDave, true);
  UpdatePlayerState(h.T);
  EXPECT_EQ(PointsOf(h, kDave), 0);
  EXPECT_EQ(PointsOf(h, kErin), 2 + 2 + 10);
}

TEST(PlayerPoints, WinnersFinalWinnerGetsBonusForTheOneLossRoundsSkipped) {
  TTestHost h;
  PlayDoubleEight(h, "Dave");
  h.T.Format.PlayerPoints = TPlayerPointsSettings{};
  h.T.Format.PlayerPoints.WinOfWin = 10;
  h.T.Format.PlayerPoints.FixedWinOfWin = 3;
  UpdatePlayerState(h.T);
  // Winners final in round 3, one-loss final in round 5: two rounds skipped.
  EXPECT_EQ(PointsOf(h, kErin), 2 * 10 + 3);
  EXPECT_EQ(PointsOf(h, kDave), 0);
}

TEST(PlayerPoints, ExtremeSettingsSaturateInsteadOfOverflowing) {
  TTestHost h;
  PlaySingleEight(h);
  TPlayerPointsSettings& s = h.T.Format.PlayerPoints;
  s.Win.fill(std::numeric_limits<int32_t>::max());
  s.Lose.fill(std::numeric_limits<int32_t>::min());
  s.FirstPlace = std::numeric_limits<int32_t>::min();
  h.T.Format.DoublePlayerPoints = true;
  UpdatePlayerState(h.T);
  EXPECT_EQ(PointsOf(h, kDave), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(PointsOf(h, kBob), std::numeric_limits<int32_t>::min());  // one loss, doubled
}

TEST(PlayerPoints, ActiveCountCountsEntriesStillInPlay) {
  TTestHost h;
  StartEight(h, ElimSingle);
  EXPECT_EQ(ActiveCountCaption(h.T), "Players: 8/8");
  Win(h, Winners, 0, 0, 0);
  Win(h, Winners, 0, 1, 1);
  h.T.Model.SetDisqualified(kErin, true);
  UpdatePlayerState(h.T);
  EXPECT_EQ(ActiveCountCaption(h.T), "Players: 5/8");
  h.T.TeamMode = true;
  EXPECT_EQ(ActiveCountCaption(h.T), "Teams: 5/8");
}

}  // namespace
}  // namespace vkr::test
