// Files of the versions before 9: the same layout without (7) or with part
// of (8) the extension header, and the packed layouts of versions 3 to 6.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/FileInspect.h"
#include "engine/Tourney.h"
#include "storage/ByteStream.h"
#include "support/TourneyHost.h"
#include "storage/TournamentFile.h"

namespace vkr::test {
namespace {

// Loads bytes into a fresh host whose player points (21 for every win) no file holds.
struct TLoaded {
  TTestHost Host;
  bool Ok = false;
  explicit TLoaded(const std::string& bytes) {
    Host.T.Format.PlayerPoints.Win.fill(21);
    Host.Files.Files["old.vkr"] = bytes;
    Ok = LoadTournament(Host.T, "old.vkr");
  }
  const TTourney& T() const { return Host.T; }
};

TEST(OldTournamentFiles, Versions7And8LackTheExtensionHeader) {
  TTestHost source;
  BuildStoredTourney(source, {"s.vkr", ElimTriple, false, 10, 8});
  source.T.Format.SizePointsLists[4].fill(9);
  SaveTournament(source.T);
  const std::string v9 = source.Files.Files["s.vkr"];
  std::string v8 = v9.substr(0, 840 + 132) + v9.substr(1332), v7 = v9.substr(0, 840) + v9.substr(1332);
  v8[23] = 8;
  v7[23] = 7;
  v7[200] = ElimDouble;
  TLoaded eight(v8), seven(v7);
  ASSERT_TRUE(eight.Ok && seven.Ok);
  EXPECT_EQ(eight.T().ElimFormat, ElimDouble) << "version 8 knows no triple elimination";
  EXPECT_EQ(eight.T().Lobby.LobbyName, source.T.Lobby.LobbyName);
  EXPECT_EQ(eight.T().Format.PlayerPoints.FixedWinOfWin, 7);
  EXPECT_EQ(eight.T().Format.PlayerPoints.FirstPlace, 0);
  EXPECT_EQ(eight.T().Format.SizePointsLists[4], source.T.Context.MatchPoints);
  EXPECT_EQ(eight.T().Model.Table(Winners, 0, 2).Seat, source.T.Model.Table(Winners, 0, 2).Seat);
  EXPECT_EQ(seven.T().Lobby.LobbyName, "");
  EXPECT_EQ(seven.T().Model.Player(3).Name, "Player3");
}

// Four players in the packed layout: the first round played, winners round 2
// and one-loss round 2 seated, every round a block of 64 table records.
std::string LegacyFile(int version, int32_t elim = ElimDouble, int32_t playerCount = 4, int32_t firstPoints = 1) {
  std::string bytes;
  TByteWriter out(bytes);
  out.Bytes(std::string("Tesmer's Tourney File\x1A\0", 23));
  out.Byte(static_cast<uint8_t>(version));
  out.Text("Old Format", 65);
  for (const char* name : {"OldHost", "OldCo", "old_host", "old_co"}) out.Text(name, 20);
  out.Text("8 pm", 16);
  out.Zeros(16);  // no start time
  for (int32_t v = 0; v < 11; ++v) out.Int32(v == 0 ? firstPoints : v + 1);
  for (int32_t v : {elim, -1, -1, playerCount, 3, 1, 2}) out.Int32(v);
  out.Text("one@example.org", 128);
  if (version >= 5) {
    out.Text("three@example.org", 128);
    out.Int32(12);
    for (int32_t v = 0; v < 11; ++v) out.Int32(30 + v);
  }
  for (int32_t v = 0; version == 6 && v < 37; ++v) out.Int32(40 + v);  // win, bye, lose lists; four values
  for (const char* name : {"Ann", "Bob", "Cid", "Dee"}) {
    out.Text(name, 16);
    out.Double(0);
    out.Int32(2);
    out.Zeros(version == 3 ? 4 : 12);
  }
  const int32_t played[][4] = {{1, 1, 0, 1}, {2, 2, 2, 3}}, winners[] = {5, 0, 0, 3}, oneLoss[] = {6, 0, 1, 2};
  for (int bracket = 0; bracket <= std::min(elim, 1); ++bracket) {
    for (int32_t r = 0; r < 11; ++r) {
      const int32_t count = r == 0 ? (bracket == 0 ? 2 : 0) : r == 1 ? 1 : 0;
      for (int32_t v : {r + 1, count, 0}) out.Int32(v);
      for (int i = 0; i < 64; ++i) {
        const int32_t* x = i >= count ? nullptr : r == 0 ? played[i] : bracket == 0 ? winners : oneLoss;
        for (int k = 0; k < 4; ++k) out.Int32(x ? x[k] : 99);  // unused records hold anything
        out.Double(x ? 46000.5 : 0);
        out.Double(0);
      }
    }
  }
  return bytes;
}

TEST(OldTournamentFiles, Versions3To6AreConvertedOnReading) {
  TLoaded three(LegacyFile(3, ElimDouble));
  ASSERT_TRUE(three.Ok) << three.Host.Screen.Events.back();
  const TTourney& t = three.T();
  EXPECT_EQ(t.Context.RulesTimeText, "8 pm");
  const TPointsList points{1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10, 11, 0, 0, 0};
  EXPECT_EQ(t.Context.MatchPoints, points);
  EXPECT_EQ(t.Format.SizePointsLists[3], points);
  EXPECT_EQ(t.Format.BootTime, 7);
  EXPECT_EQ(t.Format.PlayerPoints.Win[0], 21) << "player points a file lacks are the current ones";
  EXPECT_EQ(t.Model.Player(3).BootCount, 2);
  EXPECT_EQ(t.Model.Table(Winners, 1, 0).Seat, (std::array<int16_t, 2>{0, 3}));
  EXPECT_EQ(t.Model.Player(2).Tables[1], TTableRef::Of(OneLoss, 1, 0));
  EXPECT_EQ(t.Model.Round(Winners, 2).TableCount, 0);

  TLoaded five(LegacyFile(5, 2));
  ASSERT_TRUE(five.Ok);
  EXPECT_EQ(five.T().ElimFormat, ElimDouble) << "double elimination at most";
  EXPECT_EQ(five.T().View.EmailBoxes[2], "three@example.org");
  EXPECT_EQ(five.T().Format.BootTime, 12);
  EXPECT_EQ(five.T().Context.TimeLimits, (TPointsList{30, 31, 32, 33, 34, 35, 36, 37, 38, 38, 39, 40, 0, 0, 0}));

  TLoaded six(LegacyFile(6));
  ASSERT_TRUE(six.Ok);
  const TPlayerPointsSettings& pp = six.T().Format.PlayerPoints;
  EXPECT_EQ(pp.Win, (TPointsList{40, 41, 42, 43, 44, 45, 46, 47, 48, 48, 49, 50, 0, 0, 0}));
  EXPECT_EQ(pp.Lose[11], 72);
  EXPECT_EQ(pp.UnscheduledHost, 73) << "host points serve as unscheduled points";
  EXPECT_EQ(pp.UnscheduledCoHost, 74);
  EXPECT_EQ(pp.FirstMatchWin, 76);

  TLoaded single(LegacyFile(4, ElimSingle));
  ASSERT_TRUE(single.Ok) << "a single-elimination file has no one-loss rounds";
  EXPECT_EQ(single.T().ElimFormat, ElimSingle);
}

// Without a host window's format the command line (its dump as its reports)
// reads the player points an old file lacks from the built-in format.
TEST(OldTournamentFiles, PointsReportScoresWithTheBuiltInPlayerPoints) {
  const std::string path = (std::filesystem::temp_directory_path() / "vkr-old-points.vkr").string();
  for (int version : {3, 4, 5}) {
    std::ofstream(path, std::ios::binary) << LegacyFile(version);
    std::ostringstream report, err;
    ASSERT_EQ(cli::ReportTournamentFile(TReportKind::PointsSummary, path, "-", report, err), 0) << err.str();
    EXPECT_NE(report.str().find("START POINTS\r\nAnn 2\r\nDee 2\r\nSTOP POINTS"), std::string::npos) << version;
  }
  std::filesystem::remove(path);
}

TEST(OldTournamentFiles, OutOfRangeMatchPointsAndPlayerCountsAreRefused) {
  for (const std::string& bytes : {LegacyFile(5, 1, 4, 0), LegacyFile(5, 1, 4, 201), LegacyFile(5, 1, 129)}) {
    TLoaded loaded(bytes);
    EXPECT_FALSE(loaded.Ok);
    EXPECT_EQ(loaded.Host.Screen.Events.back(),
              "error: An error was encountered opening the file with the error message:\r\n\r\nOperation aborted");
  }
  EXPECT_TRUE(TLoaded(LegacyFile(5, 1, 4, 200)).Ok);
}

}  // namespace
}  // namespace vkr::test
