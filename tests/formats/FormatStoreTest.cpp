// Reading and writing the format store, the Format menu built from it, and the %o upgrade.
#include <gtest/gtest.h>

#include "formats/FormatStore.h"
#include "formats/FormatTestHost.h"
#include "formats/MessageFile.h"
#include "formats/OpponentTokens.h"

namespace vkr {
namespace {

using namespace std::string_literals;
using TLines = std::vector<std::string>;

struct FormatStoreTest : ::testing::Test {
  test::TFormatTestHost H;
  TMessageFile Store{H.Files, H.kStore};
  std::string& File(const std::string& name) { return H.Files.Files[name]; }
};

TEST_F(FormatStoreTest, ReadsSectionsTrimmingLinesAndDroppingShortAndRepeatedOnes) {
  H.Store("stray=before\r\n[Fast]\r\n  Welcome=Hi  \r\nA=\r\nAB=\r\n \t \r\n[Slow\nBoot=9\r[FAST]\r\nWelcome=2\r\n[x]y]\r\n");
  ASSERT_TRUE(Store.Load());
  ASSERT_EQ(Store.SectionCount(), 3);
  EXPECT_EQ(*Store.FindSection("fast"), (TLines{"Welcome=Hi", "AB="}));
  EXPECT_EQ(Store.SectionName(1) + Store.SectionName(2), "Slowx");  // no "]": the rest of the line
  EXPECT_EQ(Store.SectionLines(1), (TLines{"Boot=9"}));
}

TEST_F(FormatStoreTest, OddFilesGiveNoSectionsOrKeepEveryByte) {
  EXPECT_FALSE(Store.Load());  // missing
  H.Store("[Big]\r\n" + std::string((16u << 20) + 1, 'x'));
  EXPECT_FALSE(Store.Load());
  const std::string huge(1 << 20, 'v');
  H.Store("no=section\r\n["s + huge + "\r\n[Nul\0name]\r\nWel\0come=Hi\r\n\0\0\0\r\n"s);
  ASSERT_TRUE(Store.Load());
  EXPECT_EQ(Store.SectionName(0), huge);
  EXPECT_EQ(*Store.FindSection("Nul\0name"s), (TLines{"Wel\0come=Hi"s}));
}

TEST_F(FormatStoreTest, FileOfVeryManySectionsIsReadInOnePass) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "[S" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n[s0]\r\n";
  H.Store(text);
  ASSERT_TRUE(Store.Load());
  EXPECT_EQ(Store.SectionCount(), 100000);
  EXPECT_EQ(*Store.FindSection("s99999"), (TLines{"k=99999"}));
}

TEST_F(FormatStoreTest, WritesEveryFormatButDefaultAfterBackingUpTheStore) {
  ASSERT_TRUE(WriteFormatStore(H.T, {{"Fast", {"Welcome=Hi", "Elim=2"}}, {"DEFAULT", {"x=1"}}, {"Slow", {}}}));
  EXPECT_EQ(H.Files.Files.count("files/Tourney Formats.bak"), 0u);  // nothing to back up yet
  ASSERT_TRUE(WriteFormatStore(H.T, {{"Other", {"Boot time=9"}}}));
  EXPECT_EQ(File("files/Tourney Formats.bak"), "[Fast]\r\nWelcome=Hi\r\nElim=2\r\n\r\n[Slow]\r\n\r\n");
  EXPECT_EQ(File(H.kStore), "[Other]\r\nBoot time=9\r\n\r\n");
  H.Files.FailWrites = true;
  EXPECT_FALSE(WriteFormatStore(H.T, {}));
}

TEST_F(FormatStoreTest, MenuListsDefaultThenStoredFormatsInFileOrder) {
  H.Store("[Zed]\r\n[default]\r\nWelcome=D\r\n[Alpha]\r\n");
  H.Choose("alpha");
  EXPECT_EQ(H.T.Format.MenuEntries, (std::vector<std::string>{"Default", "Zed", "Alpha"}));
  EXPECT_EQ(H.T.Format.CheckedEntry, 2);
  H.Files.Files.erase(H.kStore);
  H.Choose("Zed");
  EXPECT_EQ(H.T.Format.MenuEntries, (std::vector<std::string>{"Default"}));
  EXPECT_EQ(H.T.View.Caption, "Velmar ZUR Tourney Bracket - Default");
}

TEST_F(FormatStoreTest, UpgradeTurnsTheSecondPlayerTokenOfEachLineAndLeavesEveryOtherByte) {
  const std::pair<std::string, std::string> lines[] = {
      {"x=%p and %p", "x=%p and %o"}, {"x=%p %p %p", "x=%p %o %p"}, {"x=%p alone", "x=%p alone"},
      {"x=%P and %p", "x=%P and %p"}};
  for (const auto& [before, after] : lines) {
    std::string line = before;
    EXPECT_EQ(UpgradeOpponentToken(line), before != after) << before;
    EXPECT_EQ(line, after);
  }
  const std::string untouched = "head=%p %p\r\n[Old]\r\n  no equals %p %p\r\n[Other]\n  Bye = %p  \n\n[Old]\r\n";
  H.Store(untouched + "Boot=%p%p\r\n");
  ASSERT_TRUE(UpgradeOpponentTokens(H.T));
  EXPECT_EQ(File(H.kStore), untouched + "Boot=%p%o\r\n");
  H.Files.FailWrites = true;  // nothing left to change: no write is tried
  EXPECT_FALSE(UpgradeOpponentTokens(H.T));
}

}  // namespace
}  // namespace vkr
