// Files of the versions before 9: the same layout without (7) or with a part
// of (8) the extension header, and the packed layouts of versions 3 to 6.
#include <gtest/gtest.h>

#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "storage/ByteStream.h"
#include "storage/StoredTourneys.h"
#include "storage/TournamentFile.h"

namespace vkr::test {
namespace {

const std::string kAborted = "error: An error was encountered opening the file with the error message:\r\n\r\nOperation aborted";

// Loads bytes into a fresh host whose player points differ from every file's.
struct TLoaded {
  TTestHost Host;
  bool Ok = false;
  explicit TLoaded(const std::string& bytes) {
    TPlayerPointsSettings& pp = Host.T.Format.PlayerPoints;
    pp.Win.fill(21);
    pp.Bye.fill(22);
    pp.Lose.fill(23);
    pp.Host = 24;
    pp.CoHost = 25;
    pp.UnscheduledHost = 26;
    pp.UnscheduledCoHost = 27;
    pp.WinOfWin = 28;
    pp.FixedWinOfWin = 29;
    pp.FirstMatchWin = 30;
    pp.FirstPlace = 31;
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
  const std::string v9 = source.Files.Files.at("s.vkr");

  // Version 8 keeps 132 bytes of the extension and turns triple into double.
  std::string v8 = v9.substr(0, 840 + 132) + v9.substr(1332);
  v8[23] = 8;
  TLoaded eight(v8);
  ASSERT_TRUE(eight.Ok) << eight.Host.Screen.Events.back();
  EXPECT_EQ(eight.T().ElimFormat, ElimDouble);
  EXPECT_EQ(eight.T().Lobby.LobbyName, source.T.Lobby.LobbyName);
  EXPECT_EQ(eight.T().Format.PlayerPoints.FixedWinOfWin, 7);
  EXPECT_EQ(eight.T().Format.PlayerPoints.FirstPlace, 0);
  EXPECT_EQ(eight.T().StartedAt, 0);
  for (const TPointsList& list : eight.T().Format.SizePointsLists) EXPECT_EQ(list, source.T.Context.MatchPoints);
  for (int e = 0; e < 10; ++e) EXPECT_EQ(eight.T().Model.Player(e).Name, source.T.Model.Player(e).Name);
  EXPECT_EQ(eight.T().Model.Table(Winners, 0, 2).Seat, source.T.Model.Table(Winners, 0, 2).Seat);

  std::string v7 = v9.substr(0, 840) + v9.substr(1332);
  v7[23] = 7;
  v7[200] = ElimDouble;  // a double file: its one-loss rounds end at the one-loss final
  TLoaded seven(v7);
  ASSERT_TRUE(seven.Ok) << seven.Host.Screen.Events.back();
  EXPECT_EQ(seven.T().Lobby.LobbyName, "");
  EXPECT_EQ(seven.T().Format.PlayerPoints.FixedWinOfWin, 0);
  EXPECT_EQ(seven.T().Model.Player(3).Name, "Player3");
}

struct TLegacyTable {
  int32_t Number, Result, Seat0, Seat1;
};

// A small double-elimination file in the packed layout of versions 3 to 6:
// four players, the first round played, winners round 2 and one-loss round 2
// seated.
std::string LegacyFile(int version, int32_t elim = ElimDouble, int32_t playerCount = 4, int32_t firstPoints = 1) {
  std::string bytes;
  TByteWriter out(bytes);
  out.Bytes(std::string("Tesmer's Tourney File\x1A\0", 23));
  out.Byte(static_cast<uint8_t>(version));
  out.Text("Old Format", 65);
  for (const char* name : {"OldHost", "OldCo", "old_host", "old_co"}) out.Text(name, 20);
  out.Text("8 pm", 16);
  out.Text("9 pm", 16);
  for (int32_t v = 0; v < 11; ++v) out.Int32(v == 0 ? firstPoints : v + 1);
  for (int32_t v : {elim, -1, -1, playerCount, 3, 1, 2}) out.Int32(v);
  out.Text("one@example.org", 64);
  out.Text("two@example.org", 64);
  if (version >= 5) {
    out.Text("three@example.org", 64);
    out.Text("four@example.org", 64);
    out.Int32(12);
    for (int32_t v = 0; v < 11; ++v) out.Int32(30 + v);
  }
  if (version == 6) {
    for (int32_t base : {40, 60, 80}) {
      for (int32_t v = 0; v < 11; ++v) out.Int32(base + v);
    }
    for (int32_t v : {5, 6, 7, 8}) out.Int32(v);
  }
  const char* names[] = {"Ann", "Bob", "Cid", "Dee"};
  for (const char* name : names) {
    out.Text(name, 16);
    out.Double(0);
    out.Int32(2);
    if (version == 3) {
      out.Zeros(4);
      continue;
    }
    out.Flag(false);
    out.Byte(name[0] == 'D' ? 0xFF : 0);
    out.Zeros(7);
  }
  const std::vector<TLegacyTable> winners[] = {{{1, 1, 0, 1}, {2, 2, 2, 3}}, {{5, 0, 0, 3}}};
  const std::vector<TLegacyTable> oneLoss[] = {{}, {{6, 0, 1, 2}}};
  for (int bracket = 0; bracket <= (elim == ElimSingle ? 0 : 1); ++bracket) {
    for (int32_t r = 0; r < 11; ++r) {
      const std::vector<TLegacyTable>* tables = r < 2 ? &(bracket == 0 ? winners : oneLoss)[r] : nullptr;
      const auto count = static_cast<int32_t>(tables ? tables->size() : 0);
      out.Int32(r + 1);
      out.Int32(count);
      out.Flag(false);
      for (int i = 0; i < 64; ++i) {
        TLegacyTable x = i < count ? (*tables)[static_cast<size_t>(i)] : TLegacyTable{77, 3, 99, 99};
        for (int32_t v : {x.Number, x.Result, x.Seat0, x.Seat1}) out.Int32(v);
        out.Double(i < count ? 46000.5 : 0);
        out.Double(0);
      }
    }
  }
  return bytes;
}

TEST(OldTournamentFiles, Version3HasShortPlayerRecordsAndLacksEverythingLater) {
  TLoaded three(LegacyFile(3, ElimTriple));
  ASSERT_TRUE(three.Ok) << three.Host.Screen.Events.back();
  const TTourney& t = three.T();
  EXPECT_EQ(t.ElimFormat, ElimDouble);
  EXPECT_EQ(t.Context.HostName, "OldHost");
  EXPECT_EQ(t.Format.CoHostPlayerName, "old_co");
  EXPECT_EQ(t.Context.RulesTimeText, "8 pm");
  const TPointsList points{1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10, 11, 0, 0, 0};
  EXPECT_EQ(t.Context.MatchPoints, points);
  for (const TPointsList& list : t.Format.SizePointsLists) EXPECT_EQ(list, points);
  EXPECT_EQ(t.Format.CheckedPreset, kPresetOther);
  EXPECT_EQ(t.Format.BootTime, 7);
  EXPECT_EQ(t.Context.TimeLimits, TPointsList{});
  EXPECT_EQ(t.Format.PlayerPoints.Win[0], 21);
  EXPECT_EQ(t.Format.PlayerPoints.UnscheduledCoHost, 27);
  EXPECT_EQ(t.Format.PlayerPoints.FixedWinOfWin, 0);
  EXPECT_EQ(t.Format.PlayerPoints.FirstPlace, 0);
  EXPECT_EQ(t.View.EmailBoxes[1], "two@example.org");
  EXPECT_EQ(t.View.EmailBoxes[2], "");
  ASSERT_EQ(t.Model.PlayerCount(), 4);
  EXPECT_EQ(t.Model.Player(3).Name, "Dee");
  EXPECT_EQ(t.Model.Player(3).BootCount, 2);
  EXPECT_FALSE(t.Model.Player(3).Disqualified);
  const TModel& m = t.Model;
  EXPECT_EQ(m.Round(Winners, 0).TableCount, 2);
  EXPECT_EQ(m.Table(Winners, 1, 0).Seat, (std::array<int16_t, 2>{0, 3}));
  EXPECT_EQ(m.Table(Winners, 1, 0).StartTime, 46000.5);
  EXPECT_EQ(m.Round(Winners, 2).TableCount, 0);
  EXPECT_EQ(m.Table(OneLoss, 1, 0).Seat, (std::array<int16_t, 2>{1, 2}));
  EXPECT_EQ(m.Player(2).Tables[1], TTableRef::Of(OneLoss, 1, 0));
  EXPECT_EQ(m.Player(2).Seats[1], 1);
  EXPECT_EQ(m.GrandFinalRound(), 2);
  EXPECT_EQ(m.OneLossFinalRound(), 3);
}

TEST(OldTournamentFiles, Versions4To6AddTheirBlocks) {
  TLoaded four(LegacyFile(4));
  ASSERT_TRUE(four.Ok);
  EXPECT_TRUE(four.T().Model.Player(3).Disqualified);
  EXPECT_EQ(four.T().Format.BootTime, 7);

  TLoaded five(LegacyFile(5));
  ASSERT_TRUE(five.Ok);
  EXPECT_EQ(five.T().View.EmailBoxes[3], "four@example.org");
  EXPECT_EQ(five.T().Format.BootTime, 12);
  EXPECT_EQ(five.T().Context.TimeLimits, (TPointsList{30, 31, 32, 33, 34, 35, 36, 37, 38, 38, 39, 40, 0, 0, 0}));
  EXPECT_EQ(five.T().Format.PlayerPoints.Lose[0], 23);

  TLoaded six(LegacyFile(6));
  ASSERT_TRUE(six.Ok);
  const TPlayerPointsSettings& pp = six.T().Format.PlayerPoints;
  EXPECT_EQ(pp.Win, (TPointsList{40, 41, 42, 43, 44, 45, 46, 47, 48, 48, 49, 50, 0, 0, 0}));
  EXPECT_EQ(pp.Bye[11], 70);
  EXPECT_EQ(pp.Lose[0], 80);
  EXPECT_EQ(pp.Host, 5);
  EXPECT_EQ(pp.UnscheduledHost, 5);
  EXPECT_EQ(pp.CoHost, 6);
  EXPECT_EQ(pp.UnscheduledCoHost, 6);
  EXPECT_EQ(pp.WinOfWin, 7);
  EXPECT_EQ(pp.FirstMatchWin, 8);
  EXPECT_EQ(pp.FixedWinOfWin, 0);
}

TEST(OldTournamentFiles, SingleEliminationHasNoOneLossRounds) {
  const std::string single = LegacyFile(4, ElimSingle);
  EXPECT_EQ(single.size(), LegacyFile(4).size() - 11 * (12 + 64 * 32));
  TLoaded loaded(single);
  ASSERT_TRUE(loaded.Ok);
  EXPECT_EQ(loaded.T().ElimFormat, ElimSingle);
}

TEST(OldTournamentFiles, OutOfRangeMatchPointsAndPlayerCountsAreRefused) {
  for (const std::string& bytes : {LegacyFile(5, ElimDouble, 4, 0), LegacyFile(5, ElimDouble, 4, 201),
                                   LegacyFile(5, ElimDouble, 129), LegacyFile(5, ElimDouble, -1)}) {
    TLoaded loaded(bytes);
    EXPECT_FALSE(loaded.Ok);
    EXPECT_EQ(loaded.Host.Screen.Events.back(), kAborted);
  }
  TLoaded most(LegacyFile(5, ElimDouble, 4, 200));
  EXPECT_TRUE(most.Ok);
}

}  // namespace
}  // namespace vkr::test
