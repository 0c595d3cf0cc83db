// Player points: counted from the results and the settings, summarized for
// the host (placings, points, statistics), and viewed, copied, saved and mailed.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "engine/Tourney.h"
#include "fakes/FakeMail.h"
#include "storage/PlayerPoints.h"
#include "storage/PointsGrid.h"
#include "storage/PointsSummary.h"
#include "storage/PointsView.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

using TLines = std::vector<std::string>;

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

// The settings may come from a hostile file: sums, the winners-final bonus
// and the place points all stay in range.
TEST(PlayerPoints, ExtremeSettingsSaturateInsteadOfOverflowing) {
  TTestHost h;
  PlayDoubleEight(h, "Dave");
  TPlayerPointsSettings& s = h.T.Format.PlayerPoints;
  s.Lose.fill(kMin);
  s.WinOfWin = kMax;  // Erin skipped two one-loss rounds
  s.FirstPlace = kMin;
  h.T.Format.DoublePlayerPoints = true;
  EXPECT_EQ(Recount(h, kDave), kMax);
  EXPECT_EQ(Recount(h, kErin), kMax);
  EXPECT_EQ(Recount(h, kBob), kMin);  // two losses, doubled
}

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
  // The layout around these lines is the reports scenario's golden text.
  EXPECT_EQ(Between(h, "Host:  Orlek (OrlekZ)", "3rd place email:  c@x"),
            (TLines{"Host:  Orlek (OrlekZ)", "Co-host:  Mira (MiraQ)", "Number of Players:  8", "",
                    "1st place:  Erin", "1st place email:  a@x", "2nd place:  Dave", "2nd place email:  b@x",
                    "3rd place:  Bob", "3rd place email:  c@x"}));
  EXPECT_EQ(Between(h, "Alice 4", "STOP POINTS"),
            (TLines{"Alice 4", "Bob 10", "dave 25", "Erin 23", "OrlekZ 9", "MiraQ 4", "STOP POINTS"}));
  EXPECT_EQ(h.Screen.Events.front(),
            "ask: Did \"Dave\" (the winner of the loser's bracket) win the first game in the final? -> yes");

  h.Screen.DefaultAnswer = false;  // Erin won the first game: no bonus
  UpdatePlayerState(t);
  EXPECT_EQ(Between(h, "Dave 18", "Erin 23"), (TLines{"Dave 18", "Erin 23"}));
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

// The host window's own test sees the final open the view; off, it stays shut.
TEST(PointsView, TheGrandFinalLeavesTheViewShutWithoutShowPointsAtEnd) {
  TTestHost h;
  StartEight(h, ElimSingle);
  h.T.Options.ShowPointsAtEnd = false;
  Play(h, {{Winners, 0, 0, 0}, {Winners, 0, 1, 1}, {Winners, 0, 2, 0}, {Winners, 0, 3, 1}, {Winners, 1, 0, 1},
           {Winners, 1, 1, 0}, {Winners, 2, 0, 0}});
  ASSERT_TRUE(h.T.Model.Table(Winners, 2, 0).Decided());
  EXPECT_EQ(h.Screen.PointsViews, 0);
}

// The view opens on the tournament saved first (its refusal before the start
// is pinned where the host window opens it). The host's edited text, whatever
// its line ends, goes out with CR LF ends.
TEST(PointsView, OpensOnASavedTournamentAndCopySaveAndMailTakeTheEditedText) {
  TTestHost h;
  PlaySingleEight(h);
  h.Files.Files.erase("evening.vkr");
  std::vector<std::string> lines;
  EXPECT_TRUE(OpenPointsView(h.T, lines));
  EXPECT_EQ(h.Files.Files.count("evening.vkr"), 1u);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "START POINTS"), lines.end());
  h.T.Context.StartTimeText = "8:30pm";
  const std::string edited = "START POINTS\nDave 17\r\nErin 9\rSTOP POINTS\n\nnote \x95";
  const std::string expected = "START POINTS\r\nDave 17\r\nErin 9\r\nSTOP POINTS\r\n\r\nnote \x95\r\n";

  CopyPointsText(h.T, edited);
  EXPECT_EQ(h.Clipboard.Ansi, expected);
  EXPECT_EQ(h.Clipboard.Wide.back(), u'\n');

  EXPECT_TRUE(SavePointsFile(h.T, "points.txt", edited));
  EXPECT_EQ(h.Files.Files["points.txt"], expected);

  TFakeMail mail;
  EXPECT_TRUE(MailPointsText(h.T, mail, edited));
  EXPECT_EQ(h.Files.Files["evening.txt"], expected);
  ASSERT_EQ(mail.Composed.size(), 1u);
  EXPECT_EQ(mail.Composed[0].Subject, "Results for Default Tournament at 8:30pm on 05 Dec 26");
  EXPECT_EQ(mail.Composed[0].Body, expected);
}

TEST(PointsView, AFailedWriteOrAMissingMailClientIsReported) {
  TTestHost h;
  PlaySingleEight(h);
  TFakeMail mail;
  h.Files.FailWrites = true;
  EXPECT_FALSE(SavePointsFile(h.T, "points.txt", "x"));
  EXPECT_EQ(h.Screen.Events.back(), "error: Cannot create file \"points.txt\".");
  EXPECT_FALSE(MailPointsText(h.T, mail, "x"));
  EXPECT_TRUE(mail.Composed.empty());  // no message without its file

  h.Files.FailWrites = false;
  mail.Reachable = false;
  EXPECT_FALSE(MailPointsText(h.T, mail, "x"));
  EXPECT_EQ(h.Screen.Events.back(),
            "warning: No mail program could be opened for the points. They are saved in \"evening.txt\".");
  EXPECT_EQ(h.Files.Files["evening.txt"], "x\r\n");
}

}  // namespace
}  // namespace vkr::test
