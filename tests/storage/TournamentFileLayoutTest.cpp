// The bytes of the tournament file: golden files, every header field at its
// offset, text fields, record sizes and which brackets a file holds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "engine/Tourney.h"
#include "storage/ByteStream.h"
#include "storage/StoredTourneys.h"
#include "storage/TournamentFile.h"

namespace vkr::test {
namespace {

int32_t IntAt(const std::string& bytes, size_t offset) {
  TByteReader in(bytes);
  in.Skip(offset);
  return in.Int32();
}
double DoubleAt(const std::string& bytes, size_t offset) {
  TByteReader in(bytes);
  in.Skip(offset);
  return in.Double();
}
// A whole text field: the text, then only zeros.
std::string FieldAt(const std::string& bytes, size_t offset, size_t size) {
  std::string field = bytes.substr(offset, size);
  size_t end = field.find('\0');
  EXPECT_NE(end, std::string::npos) << "no NUL in the field at " << offset;
  if (end == std::string::npos) return field;
  EXPECT_EQ(field.find_first_not_of('\0', end), std::string::npos) << "bytes after the NUL at " << offset;
  return field.substr(0, end);
}

const std::string& Saved(const TTestHost& host) { return host.Files.Files.at(host.T.Storage.FileName); }

std::string ReadData(const std::string& name) {
  std::ifstream in(std::string(VKR_TEST_DATA) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(TournamentFileLayout, GoldenFilesMatchByteForByte) {
  const TStoredTourneyPlan plans[] = {{"single8.vkr", ElimSingle, false, 8, 5},
                                      {"double9.vkr", ElimDouble, false, 9, 40},
                                      {"triple10teams.vkr", ElimTriple, true, 10, 12}};
  // VKR_WRITE_GOLDEN=1 rewrites the files after a deliberate change of the layout or the engine.
  const bool write = std::getenv("VKR_WRITE_GOLDEN") != nullptr;
  for (const TStoredTourneyPlan& plan : plans) {
    TTestHost host;
    BuildStoredTourney(host, plan);
    if (write) {
      std::ofstream(std::string(VKR_TEST_DATA) + "/" + plan.FileName, std::ios::binary) << Saved(host);
      continue;
    }
    EXPECT_EQ(Saved(host), ReadData(plan.FileName)) << plan.FileName;
  }
}

TEST(TournamentFileLayout, HeaderFieldsLieAtTheirOffsets) {
  TTestHost host;
  BuildStoredTourney(host, {"d.vkr", ElimDouble, false, 9, 10});
  const TTourney& t = host.T;
  const TModel& m = t.Model;
  const std::string& f = Saved(host);
  EXPECT_EQ(f.substr(0, 24), std::string("Tesmer's Tourney File\x1A\0\x09", 24));
  EXPECT_EQ(FieldAt(f, 24, 64), "Default");
  EXPECT_EQ(FieldAt(f, 88, 20), "Hostess");
  EXPECT_EQ(FieldAt(f, 108, 20), "Helper");
  EXPECT_EQ(FieldAt(f, 128, 20), "host_player");
  EXPECT_EQ(FieldAt(f, 148, 20), "cohost_player");
  EXPECT_EQ(FieldAt(f, 168, 16), "8:45 pm");
  EXPECT_EQ(FieldAt(f, 184, 16), "9:00 pm");
  EXPECT_EQ(IntAt(f, 200), ElimDouble);
  EXPECT_EQ(IntAt(f, 204), -1);
  EXPECT_EQ(IntAt(f, 208), -1);
  EXPECT_EQ(IntAt(f, 212), 9);
  EXPECT_EQ(IntAt(f, 216), m.OneLossFinalRound());
  EXPECT_EQ(IntAt(f, 220), m.WinnersFinalRound());
  EXPECT_EQ(IntAt(f, 224), m.GrandFinalRound());
  EXPECT_EQ(IntAt(f, 228), 9);
  EXPECT_EQ(FieldAt(f, 232, 64), "first@example.org");
  EXPECT_EQ(FieldAt(f, 360, 64), "");
  EXPECT_EQ(FieldAt(f, 424, 64), "fourth@example.org");
  EXPECT_EQ(FieldAt(f, 488, 64), "3,3,3,3,3,3,3,3,3,3,3,3,3,3,5");
  EXPECT_EQ(FieldAt(f, 552, 64), "40,40,40,40,40,40,40,40,40,40,40,40,40,50,60");
  EXPECT_EQ(FieldAt(f, 616, 64), "2,2,2,2,2,2,2,2,2,2,2,2,2,2,17");
  EXPECT_EQ(FieldAt(f, 680, 64), "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1");
  EXPECT_EQ(FieldAt(f, 744, 64), "0,0,0,0,0,0,0,0,0,0,0,0,0,5,10");
  const int32_t values[] = {4, 3, 2, 1, 6, 8, 0, -1};
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(IntAt(f, 808 + 4 * i), values[i]) << "offset " << 808 + 4 * i;

  EXPECT_EQ(FieldAt(f, 840, 128), "Backgammon Lobby \x95 Room 3");
  EXPECT_EQ(IntAt(f, 840 + 128), 7);
  EXPECT_EQ(IntAt(f, 840 + 132), m.TwoLossFinalRound());
  EXPECT_EQ(IntAt(f, 840 + 136), m.OneLossLastRound());
  for (size_t k = 0; k < 5; ++k) EXPECT_EQ(FieldAt(f, 840 + 140 + 64 * k, 64), "3,3,3,3,3,3,3,3,3,3,3,3,3,3,5");
  EXPECT_EQ(IntAt(f, 840 + 460), -10);
  EXPECT_EQ(IntAt(f, 840 + 464), -5);
  EXPECT_EQ(IntAt(f, 840 + 468), -2);
  EXPECT_EQ(DoubleAt(f, 840 + 472), t.StartedAt);
  EXPECT_EQ(DoubleAt(f, 840 + 480), t.ClosedAt);
  EXPECT_NE(t.ClosedAt, 0);
  EXPECT_EQ(IntAt(f, 840 + 488), -1);

  // The player records, then the first winners round and its first table.
  EXPECT_EQ(FieldAt(f, 1332, 16), "Player0");
  EXPECT_EQ(FieldAt(f, 1332 + 8 * 40, 16), "Player8");
  const size_t rounds = 1332 + 9 * 40;
  EXPECT_EQ(IntAt(f, rounds), 1);
  EXPECT_EQ(IntAt(f, rounds + 4), m.Round(Winners, 0).TableCount);
  EXPECT_EQ(IntAt(f, rounds + 8), m.Round(Winners, 0).HasByeTable ? -1 : 0);
  const TTable& first = m.Table(Winners, 0, 0);
  EXPECT_EQ(IntAt(f, rounds + 12), first.Number);
  EXPECT_EQ(IntAt(f, rounds + 16), first.Result);
  EXPECT_EQ(IntAt(f, rounds + 20), first.Seat[0]);
  EXPECT_EQ(IntAt(f, rounds + 24), first.Seat[1]);
  EXPECT_EQ(DoubleAt(f, rounds + 28), first.StartTime);
  EXPECT_EQ(DoubleAt(f, rounds + 36), first.FinishTime);
}

// The file's size from the model: which rounds of which brackets are stored.
size_t ExpectedSize(const TTourney& t) {
  const TModel& m = t.Model;
  size_t size = 840 + 492 + static_cast<size_t>(m.PlayerCount()) * (t.TeamMode ? 88 : 40);
  const int last[3] = {m.GrandFinalRound(), t.ElimFormat == ElimTriple ? m.OneLossLastRound() : m.OneLossFinalRound(),
                       m.TwoLossFinalRound()};
  for (int b = 0; b <= t.ElimFormat; ++b) {
    for (int r = 0; r <= last[b]; ++r) size += 12 + 32 * static_cast<size_t>(m.Round(b, r).TableCount);
  }
  return size;
}

TEST(TournamentFileLayout, EachFormatStoresItsBracketsAndNoMore) {
  for (int format = ElimSingle; format <= ElimTriple; ++format) {
    TTestHost host;
    BuildStoredTourney(host, {"f.vkr", format, false, 11, 6});
    EXPECT_EQ(Saved(host).size(), ExpectedSize(host.T)) << "format " << format;
  }
}

TEST(TournamentFileLayout, TeamModeWritesVersion10WithTeamRecords) {
  TTestHost host;
  BuildStoredTourney(host, {"teams.vkr", ElimDouble, true, 8, 3});
  const std::string& f = Saved(host);
  EXPECT_EQ(f[23], 10);
  EXPECT_EQ(f.size(), ExpectedSize(host.T));
  EXPECT_EQ(FieldAt(f, 1332, 32), "Ann0/Bob0");
  EXPECT_EQ(FieldAt(f, 1332 + 32, 16), "Ann0");
  EXPECT_EQ(FieldAt(f, 1332 + 48, 16), "Bob0");
  EXPECT_EQ(FieldAt(f, 1332 + 88, 32), "Ann1/Bob1");
}

TEST(TournamentFileLayout, TextFieldsKeepOneByteForTheirNul) {
  TTestHost host;
  BuildStoredTourney(host, {"x.vkr", ElimSingle, false, 8, 0});
  TTourney& t = host.T;
  t.Context.HostName = "ABCDEFGHIJKLMNOPQRSTUVWXY";
  t.Model.SetName(2, "SixteenCharsLong");
  t.Model.SetBootCount(2, 3);
  t.Model.SetBootedTooLong(2, true);
  t.Model.SetDisqualified(2, true);
  SaveTournament(t);
  const std::string& f = Saved(host);
  EXPECT_EQ(FieldAt(f, 88, 20), "ABCDEFGHIJKLMNOPQRS");
  const size_t rec = 1332 + 2 * 40;
  EXPECT_EQ(FieldAt(f, rec, 16), "SixteenCharsLon");
  EXPECT_EQ(IntAt(f, rec + 24), 3);
  EXPECT_EQ(IntAt(f, rec + 28), -1);
  EXPECT_EQ(f.substr(rec + 32, 8), std::string("\xFF\0\0\0\0\0\0\0", 8));

  TTestHost copy;
  copy.Files.Files["x.vkr"] = f;
  ASSERT_TRUE(LoadTournament(copy.T, "x.vkr"));
  EXPECT_EQ(copy.T.Model.Player(2).Name, "SixteenCharsLon");
  EXPECT_EQ(copy.T.Context.HostName, "ABCDEFGHIJKLMNOPQRS");
  EXPECT_TRUE(copy.T.Model.Player(2).Disqualified);
  EXPECT_TRUE(copy.T.Model.Player(2).BootedTooLong);
}

}  // namespace
}  // namespace vkr::test
