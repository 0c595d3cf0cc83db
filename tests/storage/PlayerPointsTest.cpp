#include <gtest/gtest.h>

#include <limits>

#include "engine/Tourney.h"
#include "storage/PlayerPoints.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

constexpr int kBob = 1, kDave = 3, kErin = 4;
constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();

int Recount(TTestHost& h, int entry) {
  UpdatePlayerState(h.T);
  return h.T.Model.Player(entry).Points;
}

TEST(PlayerPoints, PlacePointsDoublingAndDisqualification) {
  TTestHost h;
  PlaySingleEight(h);
  TPlayerPointsSettings& s = h.T.Format.PlayerPoints;
  s = TPlayerPointsSettings{};
  s.Win.fill(1);
  s.FirstPlace = -50;  // replaces the champion's three wins
  EXPECT_EQ(Recount(h, kDave), 50);
  h.T.Format.DoublePlayerPoints = true;
  EXPECT_EQ(Recount(h, kDave), 100);
  EXPECT_EQ(Recount(h, kErin), 4);
  h.T.Model.SetDisqualified(kErin, true);
  EXPECT_EQ(Recount(h, kErin), 0);
}

TEST(PlayerPoints, WinnersFinalWinnerGetsBonusForTheOneLossRoundsSkipped) {
  TTestHost h;
  PlayDoubleEight(h, "Dave");
  h.T.Format.PlayerPoints = TPlayerPointsSettings{};
  h.T.Format.PlayerPoints.WinOfWin = 10;
  h.T.Format.PlayerPoints.FixedWinOfWin = 3;
  EXPECT_EQ(Recount(h, kErin), 2 * 10 + 3);  // winners final in round 3, one-loss final in round 5
  EXPECT_EQ(Recount(h, kDave), 0);
}

TEST(PlayerPoints, ExtremeSettingsSaturateInsteadOfOverflowing) {
  TTestHost h;
  PlaySingleEight(h);
  TPlayerPointsSettings& s = h.T.Format.PlayerPoints;
  s.Win.fill(kMax);
  s.Lose.fill(kMin);
  s.FirstPlace = kMin;
  h.T.Format.DoublePlayerPoints = true;
  EXPECT_EQ(Recount(h, kDave), kMax);
  EXPECT_EQ(Recount(h, kBob), kMin);  // one loss, doubled
}

}  // namespace
}  // namespace vkr::test
