// Damaged and hostile files: each is refused with the message of its failure
// and leaves the open tournament exactly as it was.
#include <gtest/gtest.h>

#include "base/Random.h"
#include "engine/Tourney.h"
#include "storage/ByteStream.h"
#include "support/TourneyHost.h"
#include "storage/TournamentFile.h"
#include "support/TournamentCompare.h"

namespace vkr::test {
namespace {

int32_t IntAt(const std::string& bytes, size_t offset) {
  return TByteReader(std::string_view(bytes).substr(offset)).Int32();
}
std::string Patched(std::string bytes, size_t offset, int32_t value) {
  std::string field;
  TByteWriter(field).Int32(value);
  return bytes.replace(offset, 4, field);
}

// The offset of a round's 12-byte header in a version 9 triple-elimination file.
size_t RoundOffset(const std::string& f, int bracket, int round) {
  const int last[3] = {IntAt(f, 224), IntAt(f, 840 + 136), IntAt(f, 840 + 132)};
  size_t at = 1332 + static_cast<size_t>(IntAt(f, 212)) * 40;
  for (int b = 0; b < bracket; ++b) {
    for (int r = 0; r <= last[b]; ++r) at += 12 + 32 * static_cast<size_t>(IntAt(f, at + 4));
  }
  for (int r = 0; r < round; ++r) at += 12 + 32 * static_cast<size_t>(IntAt(f, at + 4));
  return at;
}

// A host with an open tournament that no refused file may change, and a good
// file of a finished triple-elimination tournament to damage.
class HostileFiles : public testing::Test {
 protected:
  void SetUp() override {
    BuildStoredTourney(FHost, {"open.vkr", ElimDouble, false, 9, 6});
    FBefore = FileBytes(FHost.T);
    TTestHost source;
    BuildStoredTourney(source, {"good.vkr", ElimTriple, false, 12, 80});
    FGood = source.Files.Files["good.vkr"];
  }

  // Gives the error shown, or "loaded" (and opens the first tournament again).
  std::string Load(const std::string& bytes) {
    FHost.Files.Files["bad.vkr"] = bytes;
    FHost.T.Storage.SkipBackupOnNextSave = false;
    if (LoadTournament(FHost.T, "bad.vkr")) {
      EXPECT_TRUE(LoadTournament(FHost.T, "open.vkr"));
      EXPECT_EQ(FileBytes(FHost.T), FBefore);
      return "loaded";
    }
    EXPECT_TRUE(FHost.T.Storage.SkipBackupOnNextSave);
    EXPECT_EQ(FHost.T.Storage.FileName, "open.vkr");
    EXPECT_EQ(FileBytes(FHost.T), FBefore);
    const std::string prefix = "error: An error was encountered opening the file with the error message:\r\n\r\n";
    const std::string& shown = FHost.Screen.Events.back();
    return shown.substr(0, prefix.size()) == prefix ? shown.substr(prefix.size()) : shown;
  }

  TTestHost FHost;
  std::string FBefore, FGood;
};

TEST_F(HostileFiles, AFileEndingAnywhereEarlyIsAReadError) {
  for (size_t length = 0; length < FGood.size() && !HasFailure(); ++length) {
    EXPECT_EQ(Load(FGood.substr(0, length)), "Stream read error") << "length " << length;
  }
  EXPECT_EQ(Load(FGood + std::string(100, '\x7F')), "loaded") << "bytes after the last round are ignored";
}

TEST_F(HostileFiles, ValuesOutOfRangeAreRefused) {
  const size_t table = RoundOffset(FGood, Winners, 0) + 12;
  const struct {
    size_t Offset;
    int32_t Value;
    const char* Reason;
  } cases[] = {
      {0, 0x6D736555, "Operation aborted"},  // "Uesm" for "Tesm"
      {20, 0x0A011A65, "Operation aborted"},  // version 10, but 1 for the NUL after 0x1A
      {20, 0x0B001A65, "Operation aborted"}, {20, 0x02001A65, "Operation aborted"},  // versions 11 and 2
      {200, 3, "Operation aborted"}, {200, -1, "Operation aborted"},                 // elimination type
      {212, INT32_MAX, "Stream read error"}, {212, -1, "Operation aborted"},  // player count
      {216, 15, "Operation aborted"}, {220, -1, "Operation aborted"}, {224, 15, "Operation aborted"},
      {840 + 132, 15, "Operation aborted"}, {840 + 136, -1, "Operation aborted"},
      {RoundOffset(FGood, Winners, 0) + 4, 129, "Operation aborted"},
      {RoundOffset(FGood, OneLoss, 1) + 4, 65, "Operation aborted"},
      {RoundOffset(FGood, TwoLoss, 2) + 4, 49, "Operation aborted"},
      {RoundOffset(FGood, Winners, 1) + 4, -1, "Operation aborted"},
      {table + 4, 3, "Operation aborted"}, {table + 4, -1, "Operation aborted"},  // results
      {table + 8, 12, "Operation aborted"}, {table + 12, -2, "Operation aborted"},  // seats
      {table + 12, INT32_MAX, "Operation aborted"}, {table + 12, -1, "loaded"},
      {table, INT32_MAX, "Operation aborted"}, {table, -5, "Operation aborted"}};  // table numbers
  for (const auto& c : cases) EXPECT_EQ(Load(Patched(FGood, c.Offset, c.Value)), c.Reason) << c.Offset << " " << c.Value;
  TTestHost single;
  BuildStoredTourney(single, {"s.vkr", ElimSingle, false, 8, 0});
  EXPECT_EQ(Load(Patched(single.Files.Files["s.vkr"], 220, -1)), "loaded") << "single elimination without semi-final";
  // 300 records would fit in the file, but the model holds 256 entries.
  EXPECT_EQ(Load(Patched(FGood, 212, 300) + std::string(300 * 40, '\0')), "Operation aborted");
}

TEST_F(HostileFiles, RandomBytesAndDamagedFilesNeverGetHalfLoaded) {
  TRandom random(20261205);
  int loaded = 0;
  for (int i = 0; i < 1000 && !HasFailure(); ++i) {
    std::string bytes = FGood;
    if (i % 3 == 0) {
      bytes.resize(static_cast<size_t>(random.Below(4000)));
      for (size_t k = i % 2 == 0 ? 24 : 0; k < bytes.size(); ++k) bytes[k] = static_cast<char>(random.Below(256));
    } else {
      for (int f = random.Below(8); f >= 0; --f) {
        bytes[static_cast<size_t>(random.Below(static_cast<int>(bytes.size())))] = static_cast<char>(random.Below(256));
      }
    }
    if (Load(bytes) == "loaded") ++loaded;
  }
  EXPECT_GT(loaded, 0) << "some damage (in names, times, table numbers) loads";
}

}  // namespace
}  // namespace vkr::test
