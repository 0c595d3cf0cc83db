// Damaged and hostile files: each is refused with the message of its failure
// and leaves the open tournament exactly as it was.
#include <gtest/gtest.h>

#include "base/Random.h"
#include "engine/Tourney.h"
#include "storage/ByteStream.h"
#include "storage/StoredTourneys.h"
#include "storage/TournamentFile.h"
#include "support/TournamentCompare.h"

namespace vkr::test {
namespace {

const std::string kPrefix = "error: An error was encountered opening the file with the error message:\r\n\r\n";

void PutInt32(std::string& bytes, size_t offset, int32_t value) {
  std::string field;
  TByteWriter(field).Int32(value);
  bytes.replace(offset, 4, field);
}
int32_t IntAt(const std::string& bytes, size_t offset) {
  TByteReader in(bytes);
  in.Skip(offset);
  return in.Int32();
}

// The offset of a round's 12-byte header in a version 9 file.
size_t RoundOffset(const std::string& f, int bracket, int round) {
  const int elim = IntAt(f, 200);
  const int last[3] = {IntAt(f, 224), elim == 2 ? IntAt(f, 840 + 136) : IntAt(f, 216), IntAt(f, 840 + 132)};
  size_t at = 1332 + static_cast<size_t>(IntAt(f, 212)) * 40;
  for (int b = 0; b <= elim; ++b) {
    for (int r = 0; r <= last[b]; ++r) {
      if (b == bracket && r == round) return at;
      at += 12 + 32 * static_cast<size_t>(IntAt(f, at + 4));
    }
  }
  ADD_FAILURE() << "no round " << round << " of bracket " << bracket;
  return 0;
}

// A host with an open tournament that no failed load may change.
class HostileFiles : public testing::Test {
 protected:
  void SetUp() override {
    BuildStoredTourney(FHost, {"open.vkr", ElimDouble, false, 9, 6});
    FBefore = FileBytes(FHost.T);
    TTestHost source;
    BuildStoredTourney(source, {"good.vkr", ElimTriple, false, 12, 80});
    FGood = source.Files.Files.at("good.vkr");
  }

  // Loads the bytes; when they are refused, checks that nothing changed.
  bool Load(const std::string& bytes, std::string* shown = nullptr) {
    FHost.Files.Files["bad.vkr"] = bytes;
    FHost.T.Storage.SkipBackupOnNextSave = false;
    const size_t events = FHost.Screen.Events.size();
    if (LoadTournament(FHost.T, "bad.vkr")) {
      // A file that loads replaces the tournament; the next case starts from the open one again.
      EXPECT_TRUE(LoadTournament(FHost.T, "open.vkr"));
      EXPECT_EQ(FileBytes(FHost.T), FBefore);
      return true;
    }
    EXPECT_EQ(FHost.Screen.Events.size(), events + 1);
    if (shown != nullptr) *shown = FHost.Screen.Events.back();
    EXPECT_TRUE(FHost.T.Storage.SkipBackupOnNextSave);
    EXPECT_EQ(FHost.T.Storage.FileName, "open.vkr");
    EXPECT_EQ(FileBytes(FHost.T), FBefore);
    return false;
  }
  void ExpectRefused(const std::string& bytes, const char* reason, const char* what) {
    std::string shown;
    EXPECT_FALSE(Load(bytes, &shown)) << what;
    EXPECT_EQ(shown, kPrefix + reason) << what;
  }
  std::string Patched(size_t offset, int32_t value) const {
    std::string bytes = FGood;
    PutInt32(bytes, offset, value);
    return bytes;
  }

  TTestHost FHost;
  std::string FBefore, FGood;
};

TEST_F(HostileFiles, AFileEndingAnywhereEarlyIsAReadError) {
  for (size_t length = 0; length < FGood.size(); ++length) {
    ExpectRefused(FGood.substr(0, length), "Stream read error", "truncated");
    if (HasFailure()) {
      ADD_FAILURE() << "at length " << length;
      return;
    }
  }
  EXPECT_TRUE(Load(FGood));
  EXPECT_TRUE(Load(FGood + std::string(100, '\x7F'))) << "bytes after the last round are ignored";
}

TEST_F(HostileFiles, SignatureAndVersionAreChecked) {
  std::string bytes = FGood;
  bytes[4] = 'x';
  ExpectRefused(bytes, "Operation aborted", "signature");
  bytes = FGood;
  bytes[22] = 1;
  ExpectRefused(bytes, "Operation aborted", "byte after 0x1A");
  for (char version : {0, 2, 11, 127}) {
    bytes = FGood;
    bytes[23] = version;
    ExpectRefused(bytes, "Operation aborted", "version");
  }
}

TEST_F(HostileFiles, CountsAndIndexesOutOfRangeAreRefused) {
  ExpectRefused(Patched(200, 3), "Operation aborted", "elimination type 3");
  ExpectRefused(Patched(200, -1), "Operation aborted", "elimination type -1");
  for (size_t offset : {216, 220, 224, 840 + 132, 840 + 136}) {
    ExpectRefused(Patched(offset, 15), "Operation aborted", "round index 15");
    ExpectRefused(Patched(offset, -1), "Operation aborted", "round index -1");
  }
  ExpectRefused(Patched(RoundOffset(FGood, Winners, 0) + 4, 129), "Operation aborted", "129 winners tables");
  ExpectRefused(Patched(RoundOffset(FGood, OneLoss, 1) + 4, 65), "Operation aborted", "65 one-loss tables");
  ExpectRefused(Patched(RoundOffset(FGood, TwoLoss, 2) + 4, 49), "Operation aborted", "49 two-loss tables");
  ExpectRefused(Patched(RoundOffset(FGood, Winners, 1) + 4, -1), "Operation aborted", "-1 tables");
  const size_t round = RoundOffset(FGood, Winners, 2);
  std::string empty = Patched(round + 4, 0);
  empty.erase(round + 12, 32 * static_cast<size_t>(IntAt(FGood, round + 4)));
  EXPECT_TRUE(Load(empty)) << "a round without tables is fine";
}

TEST_F(HostileFiles, PlayerCountsBeyondTheFileOrTheModelAreRefused) {
  ExpectRefused(Patched(212, 2000000000), "Stream read error", "two billion players");
  ExpectRefused(Patched(212, INT32_MAX), "Stream read error", "2^31 - 1 players");
  ExpectRefused(Patched(212, -1), "Operation aborted", "negative player count");
  ExpectRefused(Patched(212, INT32_MIN), "Operation aborted", "-2^31 players");
  // 300 records would fit in the file, but the model holds 256 entries.
  ExpectRefused(Patched(212, 300) + std::string(300 * 40, '\0'), "Operation aborted", "300 players");
}

TEST_F(HostileFiles, SeatsOutsideThePlayerListAndUnknownResultsAreRefused) {
  const size_t table = RoundOffset(FGood, Winners, 0) + 12;
  ExpectRefused(Patched(table + 8, 12), "Operation aborted", "seat 0 past the last player");
  ExpectRefused(Patched(table + 12, -2), "Operation aborted", "seat 1 of -2");
  ExpectRefused(Patched(table + 12, INT32_MAX), "Operation aborted", "seat 1 of 2^31 - 1");
  ExpectRefused(Patched(table + 4, 3), "Operation aborted", "result 3");
  ExpectRefused(Patched(table + 4, -1), "Operation aborted", "result -1");
  EXPECT_TRUE(Load(Patched(table + 12, -1))) << "an empty seat is fine";
}

TEST_F(HostileFiles, ExtremePlayerPointsSaturateInsteadOfOverflowing) {
  std::string bytes = Patched(824, INT32_MAX);   // "WinOfWin points"
  PutInt32(bytes, 840 + 460, INT32_MIN);         // "1st place points", in "Exactly:" mode
  PutInt32(bytes, 840 + 464, INT32_MAX);         // "2nd place points"
  ASSERT_TRUE(Load(bytes));
  FHost.Files.Files["extreme.vkr"] = bytes;
  ASSERT_TRUE(LoadTournament(FHost.T, "extreme.vkr"));
  const TModel& m = FHost.T.Model;
  const TTable& final = m.Table(Winners, m.GrandFinalRound(), 0);
  ASSERT_TRUE(final.Decided());
  EXPECT_EQ(m.Player(final.Winner()).Points, INT32_MAX);
  EXPECT_EQ(m.Player(final.Loser()).Points, INT32_MAX);
}

TEST_F(HostileFiles, RandomBytesAndDamagedFilesNeverGetHalfLoaded) {
  TRandom random(20261205);
  int loaded = 0;
  for (int i = 0; i < 1000 && !HasFailure(); ++i) {
    std::string bytes;
    if (i % 3 == 0) {
      bytes.resize(static_cast<size_t>(random.Below(4000)));
      for (char& c : bytes) c = static_cast<char>(random.Below(256));
      if (i % 2 == 0 && bytes.size() >= 24) bytes.replace(0, 24, FGood.substr(0, 24));
    } else {
      bytes = FGood;
      const int flips = 1 + random.Below(8);
      for (int f = 0; f < flips; ++f) {
        bytes[static_cast<size_t>(random.Below(static_cast<int>(bytes.size())))] = static_cast<char>(random.Below(256));
      }
    }
    if (Load(bytes)) ++loaded;
  }
  EXPECT_GT(loaded, 0) << "some damage (in names, times, table numbers) loads";
}

}  // namespace
}  // namespace vkr::test
