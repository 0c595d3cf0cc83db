#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Tourney.h"
#include "storage/PlayerPoints.h"
#include "storage/PointsGrid.h"
#include "storage/PointsSummary.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

using TLines = std::vector<std::string>;

// The summary's lines from `first` up to and including `last`.
TLines Between(TTestHost& h, const std::string& first, const std::string& last) {
  TLines lines;
  EXPECT_TRUE(BuildPointsSummary(h.T, lines));
  auto from = std::find(lines.begin(), lines.end(), first);
  auto to = std::find(from, lines.end(), last);
  return to == lines.end() ? TLines{} : TLines(from, to + 1);
}

TEST(PointsSummary, DoubleEliminationHostsPlacingsAndFirstGameBonus) {
  TTestHost h;
  PlayDoubleEight(h, "Erin");
  TTourney& t = h.T;
  t.Context.HostName = "Orlek";
  t.Format.HostPlayerName = "OrlekZ";
  t.Context.CoHostName = "Mira";
  t.Format.CoHostPlayerName = "MiraQ";
  t.Format.HostUnscheduled = true;
  t.Format.PlayerPoints.Host = 5;
  t.Format.PlayerPoints.UnscheduledHost = 9;
  t.Format.PlayerPoints.CoHost = 4;
  t.Format.PlayerPoints.FirstMatchWin = 7;
  t.View.EmailBoxes = {"a@x", "b@x", "c@x", "d@x"};
  ASSERT_TRUE(EditPointsGridCell(t, 4, TGridColumn::Name, "dave"));  // the bonus still finds the row
  h.Screen.Events.clear();
  EXPECT_EQ(Between(h, "Closed:  20:30:00", "Bob 10"),
            (TLines{"Closed:  20:30:00", "Host:  Orlek (OrlekZ)", "Co-host:  Mira (MiraQ)", "Number of Players:  8", "",
                    "1st place:  Erin", "1st place email:  a@x", "2nd place:  Dave", "2nd place email:  b@x",
                    "3rd place:  Bob", "3rd place email:  c@x", "", "START POINTS", "Gina 2", "Hank 2", "Alice 4",
                    "Bob 10"}));
  EXPECT_EQ(Between(h, "dave 25", "Dave, 4, 2, 0, 0, N, N"),
            (TLines{"dave 25", "Erin 23", "OrlekZ 9", "MiraQ 4", "STOP POINTS", "",
                    "PLAYER STATISTICS (can be imported into Excel):", "Name, Wins, Losses, Byes, Boots, Booted, DQed",
                    "Alice, 2, 2, 0, 0, N, N", "Bob, 2, 2, 1, 0, N, N", "Carol, 0, 2, 0, 0, N, N",
                    "Dave, 4, 2, 0, 0, N, N"}));
  EXPECT_EQ(h.Screen.Events.front(),
            "ask: Did \"Dave\" (the winner of the loser's bracket) win the first game in the final? -> yes");

  t.Format.DoublePlayerPoints = true;
  UpdatePlayerState(t);
  EXPECT_EQ(Between(h, "Dave 50", "Erin 46"), (TLines{"Dave 50", "Erin 46"}));  // (18 + 7) x 2
  h.Screen.DefaultAnswer = false;
  EXPECT_EQ(Between(h, "Dave 36", "Erin 46"), (TLines{"Dave 36", "Erin 46"}));
  h.Screen.Events.clear();
  t.Model.SetResult(TTableRef::Of(Winners, 3, 0), 4);  // both quit the grand final: no placings, no question
  EXPECT_EQ(Between(h, "Number of Players:  8", "START POINTS"), (TLines{"Number of Players:  8", "", "START POINTS"}));
  EXPECT_TRUE(h.Screen.Events.empty());
}

TEST(PointsSummary, SingleEliminationBothSemiFinalLosersThirdAndNobodyAboveZero) {
  TTestHost h;
  PlaySingleEight(h);
  h.T.View.EmailBoxes = {"a@x", "b@x", "c@x", "d@x"};
  h.T.Format.PlayerPoints = TPlayerPointsSettings{};
  UpdatePlayerState(h.T);
  EXPECT_EQ(Between(h, "1st place:  Dave", "STOP POINTS"),
            (TLines{"1st place:  Dave", "1st place email:  a@x", "2nd place:  Erin", "2nd place email:  b@x",
                    "3rd place:  Alice", "3rd place email:  c@x", "3rd place:  Hank", "3rd place email:  d@x", "",
                    "START POINTS", " ", "STOP POINTS"}));
}

}  // namespace
}  // namespace vkr::test
