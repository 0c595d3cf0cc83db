#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Tourney.h"
#include "storage/PlayerPoints.h"
#include "storage/PointsGrid.h"
#include "storage/PointsSummary.h"
#include "storage/TourneyDriver.h"

namespace vkr::test {
namespace {

using TLines = std::vector<std::string>;

TLines Summary(TTestHost& h) {
  TLines lines;
  EXPECT_TRUE(BuildPointsSummary(h.T, lines));
  return lines;
}

// The lines from `first` up to and including `last`.
TLines Between(const TLines& lines, const std::string& first, const std::string& last) {
  auto from = std::find(lines.begin(), lines.end(), first);
  auto to = std::find(from, lines.end(), last);
  return to == lines.end() ? TLines{} : TLines(from, to + 1);
}

void SetHosts(TTourney& t) {
  t.Context.HostName = "Orlek";
  t.Format.HostPlayerName = "OrlekZ";
  t.Context.CoHostName = "Mira";
  t.Format.CoHostPlayerName = "MiraQ";
  t.Context.StartTimeText = "8:30 PM";
  t.Format.PlayerPoints.Host = 5;
  t.Format.PlayerPoints.UnscheduledHost = 9;
  t.Format.HostUnscheduled = true;
  t.Format.PlayerPoints.CoHost = 4;
  t.View.EmailBoxes = {"a@x", "b@x", "c@x", "d@x"};
}

TEST(PointsSummary, RefusedBeforeTheTourneyStarts) {
  TTestHost h;
  TLines lines;
  EXPECT_FALSE(BuildPointsSummary(h.T, lines));
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(h.Screen.Events, TLines{"warning: Points cannot be generated until the tourney has been started"});
}

TEST(PointsSummary, DoubleEliminationWithFirstMatchBonus) {
  TTestHost h;
  PlayDoubleEight(h, "Erin");
  SetHosts(h.T);
  h.T.Format.PlayerPoints.FirstMatchWin = 7;
  // The host retyped Dave's name; the bonus still finds his row.
  ASSERT_TRUE(EditPointsGridCell(h.T, 4, TGridColumn::Name, "dave"));
  h.Screen.Events.clear();
  const TLines expected = {
      "Velmar's Tourney Bracket Tool Version 1.0.0.44",
      "Tournament:  Default",
      "Date:  12/05/2026",
      "Day:  Saturday",
      "Scheduled Start:  8:30 PM",
      "Actual Start:  20:30:00",
      "Closed:  20:30:00",
      "Host:  Orlek (OrlekZ)",
      "Co-host:  Mira (MiraQ)",
      "Number of Players:  8",
      "",
      "1st place:  Erin",
      "1st place email:  a@x",
      "2nd place:  Dave",
      "2nd place email:  b@x",
      "3rd place:  Bob",
      "3rd place email:  c@x",
      "",
      "START POINTS",
      "Gina 2",
      "Hank 2",
      "Alice 4",
      "Bob 10",
      "dave 25",
      "Erin 23",
      "OrlekZ 9",
      "MiraQ 4",
      "STOP POINTS",
      "",
      "PLAYER STATISTICS (can be imported into Excel):",
      "Name, Wins, Losses, Byes, Boots, Booted, DQed",
      "Alice, 2, 2, 0, 0, N, N",
      "Bob, 2, 2, 1, 0, N, N",
      "Carol, 0, 2, 0, 0, N, N",
      "Dave, 4, 2, 0, 0, N, N",
      "Erin, 4, 0, 0, 0, N, N",
      "Frank, 0, 2, 0, 0, N, N",
      "Gina, 1, 2, 0, 0, N, N",
      "Hank, 1, 2, 0, 0, N, N",
  };
  EXPECT_EQ(Summary(h), expected);
  EXPECT_EQ(h.Screen.Events,
            TLines{"ask: Did \"Dave\" (the winner of the loser's bracket) win the first game in the final? -> yes"});
}

TEST(PointsSummary, FirstMatchBonusDoubledOrDeclined) {
  TTestHost h;
  PlayDoubleEight(h, "Erin");
  h.T.Format.PlayerPoints.FirstMatchWin = 7;
  h.T.Format.DoublePlayerPoints = true;
  UpdatePlayerState(h.T);
  EXPECT_EQ(Between(Summary(h), "Bob 20", "Erin 46"), (TLines{"Bob 20", "Dave 50", "Erin 46"}));
  h.Screen.DefaultAnswer = false;
  EXPECT_EQ(Between(Summary(h), "Bob 20", "Erin 46"), (TLines{"Bob 20", "Dave 36", "Erin 46"}));
}

TEST(PointsSummary, SingleEliminationListsBothSemiFinalLosersAsThird) {
  TTestHost h;
  PlaySingleEight(h);
  SetHosts(h.T);
  h.T.Format.PlayerPoints = TPlayerPointsSettings{};  // nobody above 0
  UpdatePlayerState(h.T);
  const TLines lines = Summary(h);
  EXPECT_EQ(Between(lines, "1st place:  Dave", "STOP POINTS"),
            (TLines{"1st place:  Dave", "1st place email:  a@x", "2nd place:  Erin", "2nd place email:  b@x",
                    "3rd place:  Alice", "3rd place email:  c@x", "3rd place:  Hank", "3rd place email:  d@x", "",
                    "START POINTS", " ", "STOP POINTS"}));
}

TEST(PointsSummary, AbandonedGrandFinalGivesNoPlacingsAndNoBonusQuestion) {
  TTestHost h;
  PlayDoubleEight(h, "Erin");
  h.T.Format.PlayerPoints.FirstMatchWin = 7;
  h.T.Model.SetResult(TTableRef::Of(Winners, 3, 0), 4);  // both quit
  h.Screen.Events.clear();
  const TLines lines = Summary(h);
  EXPECT_EQ(TLines(lines.begin() + 8, lines.begin() + 11), (TLines{"Number of Players:  8", "", "START POINTS"}));
  EXPECT_TRUE(h.Screen.Events.empty());
}

}  // namespace
}  // namespace vkr::test
