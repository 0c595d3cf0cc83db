// The action log: one CR LF line per call beside the tournament file.
#include <gtest/gtest.h>

#include "fakes/FakePorts.h"
#include "storage/ActionLog.h"

namespace vkr::test {
namespace {

TEST(ActionLog, LinesGoBesideTheTournamentFileInOrder) {
  TTestHost h;
  WriteLogLine(h.T, "Click: Close");
  WriteLogLine(h.T, "    -> UpdateFullTableCount");
  EXPECT_EQ(h.Files.Files[".log"], "Click: Close\r\n    -> UpdateFullTableCount\r\n");
  h.T.Storage.FileName = "cups/winter.vkr";
  WriteLogLine(h.T, "\r\n**** Opened cups/winter.vkr ****\r\n");
  EXPECT_EQ(h.Files.Files["cups/winter.log"], "\r\n**** Opened cups/winter.vkr ****\r\n\r\n");
}

TEST(ActionLog, AFailedWriteLosesTheLineSilently) {
  TTestHost h;
  h.Files.FailWrites = true;
  WriteLogLine(h.T, "Click: Close");
  EXPECT_TRUE(h.Files.Files.empty());
  EXPECT_TRUE(h.Screen.Events.empty());
}

}  // namespace
}  // namespace vkr::test
