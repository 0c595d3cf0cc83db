// The bytes of the tournament file: golden files, and the header fields at
// their offsets read back independently of the writer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine/Tourney.h"
#include "storage/ByteStream.h"
#include "support/TourneyHost.h"
#include "storage/TournamentFile.h"

namespace vkr::test {
namespace {

int32_t IntAt(const std::string& bytes, size_t offset) {
  TByteReader in(std::string_view(bytes).substr(offset));
  return in.Int32();
}

// A text field: the text, a NUL, then only zeros.
std::string FieldAt(const std::string& bytes, size_t offset, size_t size) {
  const std::string field = bytes.substr(offset, size);
  const size_t end = field.find('\0');
  EXPECT_TRUE(end != std::string::npos && field.find_first_not_of('\0', end) == std::string::npos) << offset;
  return field.substr(0, end);
}

TEST(TournamentFileLayout, GoldenFilesMatchByteForByte) {
  // Single and double end after their last bracket; team mode is version 10 with 88-byte records.
  const TStoredTourneyPlan plans[] = {{"single8.vkr", ElimSingle, false, 8, 5},
                                      {"double9.vkr", ElimDouble, false, 9, 40},
                                      {"triple10teams.vkr", ElimTriple, true, 10, 12}};
  // VKR_WRITE_GOLDEN=1 rewrites them after a deliberate change of the layout or the engine.
  const bool write = std::getenv("VKR_WRITE_GOLDEN") != nullptr;
  for (const TStoredTourneyPlan& plan : plans) {
    TTestHost host;
    BuildStoredTourney(host, plan);
    const std::string path = std::string(VKR_TEST_DATA) + "/" + plan.FileName;
    if (write) std::ofstream(path, std::ios::binary) << host.Files.Files[plan.FileName];
    std::ostringstream golden;
    golden << std::ifstream(path, std::ios::binary).rdbuf();
    EXPECT_EQ(host.Files.Files[plan.FileName], golden.str()) << plan.FileName;
  }
}

TEST(TournamentFileLayout, HeaderFieldsLieAtTheirOffsets) {
  TTestHost host;
  BuildStoredTourney(host, {"d.vkr", ElimDouble, false, 9, 10});
  host.T.Context.HostName = "ABCDEFGHIJKLMNOPQRSTUVWXY";  // 19 characters fit the 20-byte field
  host.T.Model.SetName(2, "SixteenCharsLong");
  host.T.Model.SetDisqualified(2, true);
  SaveTournament(host.T);
  const TModel& m = host.T.Model;
  const std::string& f = host.Files.Files["d.vkr"];
  EXPECT_EQ(f.substr(0, 24), std::string("Tesmer's Tourney File\x1A\0\x09", 24));
  const struct {
    size_t Offset, Size;
    const char* Text;
  } texts[] = {{24, 64, "Default"}, {88, 20, "ABCDEFGHIJKLMNOPQRS"}, {108, 20, "Helper"}, {128, 20, "host_player"},
               {148, 20, "cohost_player"}, {168, 16, "8:45 pm"}, {184, 16, "9:00 pm"}, {232, 64, "first@example.org"},
               {424, 64, "fourth@example.org"}, {488, 64, "3,3,3,3,3,3,3,3,3,3,3,3,3,3,5"},
               {552, 64, "40,40,40,40,40,40,40,40,40,40,40,40,40,50,60"}, {744, 64, "0,0,0,0,0,0,0,0,0,0,0,0,0,5,10"},
               {840, 128, "Backgammon Lobby \x95 Room 3"}, {840 + 396, 64, "3,3,3,3,3,3,3,3,3,3,3,3,3,3,5"}};
  for (const auto& x : texts) EXPECT_EQ(FieldAt(f, x.Offset, x.Size), x.Text) << "offset " << x.Offset;
  const std::pair<size_t, int32_t> ints[] = {
      {200, ElimDouble}, {204, -1}, {208, -1}, {212, 9}, {216, m.OneLossFinalRound()}, {220, m.WinnersFinalRound()},
      {224, m.GrandFinalRound()}, {228, 9}, {808, 4}, {820, 1}, {824, 6}, {828, 8}, {832, 0}, {836, -1},
      {840 + 128, 7}, {840 + 132, m.TwoLossFinalRound()}, {840 + 136, m.OneLossLastRound()}, {840 + 460, -10},
      {840 + 468, -2}, {840 + 488, -1}};
  for (const auto& [offset, value] : ints) EXPECT_EQ(IntAt(f, offset), value) << "offset " << offset;
  EXPECT_EQ(TByteReader(std::string_view(f).substr(840 + 480)).Double(), host.T.ClosedAt);

  const size_t player = 1332 + 2 * 40;  // the third 40-byte record
  EXPECT_EQ(FieldAt(f, player, 16), "SixteenCharsLon");
  EXPECT_EQ(f.substr(player + 32, 8), std::string("\xFF\0\0\0\0\0\0\0", 8));
  const size_t round = 1332 + 9 * 40;  // winners round 1: number, table count, bye flag, then its first table
  EXPECT_EQ(IntAt(f, round), 1);
  EXPECT_EQ(IntAt(f, round + 4), m.Round(Winners, 0).TableCount);
  EXPECT_EQ(IntAt(f, round + 8), -1);
  EXPECT_EQ(IntAt(f, round + 12), m.Table(Winners, 0, 0).Number);
  EXPECT_EQ(IntAt(f, round + 20), m.Table(Winners, 0, 0).Seat[0]);

  TTestHost copy;
  copy.Files.Files["d.vkr"] = f;
  ASSERT_TRUE(LoadTournament(copy.T, "d.vkr"));
  EXPECT_EQ(copy.T.Model.Player(2).Name, "SixteenCharsLon");
  EXPECT_TRUE(copy.T.Model.Player(2).Disqualified);
}

}  // namespace
}  // namespace vkr::test
