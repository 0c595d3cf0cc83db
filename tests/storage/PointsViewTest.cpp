#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Tourney.h"
#include "fakes/FakeMail.h"
#include "storage/PointsView.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

// The refusal before the start is pinned where the host window opens the view.
TEST(PointsView, OpensOnASavedTournament) {
  TTestHost h;
  PlaySingleEight(h);
  h.Files.Files.erase("evening.vkr");
  std::vector<std::string> lines;
  EXPECT_TRUE(OpenPointsView(h.T, lines));
  EXPECT_EQ(h.Files.Files.count("evening.vkr"), 1u);  // saved first
  EXPECT_NE(std::find(lines.begin(), lines.end(), "START POINTS"), lines.end());
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

// The host's edited text, whatever its line ends, goes out with CR LF ends.
TEST(PointsView, CopySaveAndMailTakeTheEditedText) {
  TTestHost h;
  PlaySingleEight(h);
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
