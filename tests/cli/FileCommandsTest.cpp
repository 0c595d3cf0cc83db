// vkr report on a stored tournament: it loads without a trace and writes
// the chosen report; bad files and kinds give their exit codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/FileInspect.h"

namespace vkr::cli {
namespace {

std::string FirstLine(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  std::getline(in, line);
  return line;
}

TEST(ReportCommand, WritesEachReportOfAStoredTournament) {
  const std::string source = std::string(VKR_TEST_DATA) + "/double9.vkr";
  const std::string out = (std::filesystem::temp_directory_path() / "vkr-report-test.out").string();
  std::ostringstream err;
  ASSERT_EQ(ReportTournamentFile("text", source, out, err), 0) << err.str();
  EXPECT_EQ(FirstLine(out), "VKR Version 1.0.0.44\r");
  ASSERT_EQ(ReportTournamentFile("csv", source, out, err), 0) << err.str();
  EXPECT_EQ(FirstLine(out), "VKR Version,1.0.0.44\r");
  ASSERT_EQ(ReportTournamentFile("points", source, out, err), 0) << err.str();
  EXPECT_EQ(FirstLine(out), "Velmar's Tourney Bracket Tool Version 1.0.0.44\r");
  std::remove(out.c_str());
  // Loading read-only leaves no log and no backup beside the file.
  EXPECT_FALSE(std::filesystem::exists(std::string(VKR_TEST_DATA) + "/double9.log"));
  EXPECT_FALSE(std::filesystem::exists(std::string(VKR_TEST_DATA) + "/double9.~vkr"));
}

TEST(ReportCommand, RefusesUnknownKindsAndBadFiles) {
  std::ostringstream err;
  EXPECT_EQ(ReportTournamentFile("html", std::string(VKR_TEST_DATA) + "/double9.vkr", "x", err), 2);
  EXPECT_EQ(ReportTournamentFile("text", std::string(VKR_TEST_DATA) + "/no-such-file.vkr", "x", err), 1);
  EXPECT_NE(err.str().find("An error was encountered opening the file"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace vkr::cli
