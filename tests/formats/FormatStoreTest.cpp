// Writing the format store, the Format menu built from it, and the %o upgrade.
#include <gtest/gtest.h>

#include "formats/FormatStore.h"
#include "formats/FormatTestHost.h"
#include "formats/OpponentTokens.h"

namespace vkr {
namespace {

struct FormatStoreTest : ::testing::Test {
  test::TFormatTestHost H;
  std::string& File(const std::string& name) { return H.Files.Files[name]; }
};

TEST_F(FormatStoreTest, WritesEveryFormatButDefaultAfterBackingUpTheStore) {
  const std::vector<TFormat> formats = {
      {"Fast", {"Welcome=Hi", "Elim=2"}}, {"DEFAULT", {"Welcome=x"}}, {"Slow", {}}, {"fast", {"Welcome=dup"}}};
  ASSERT_TRUE(WriteFormatStore(H.T, formats));
  EXPECT_EQ(File(H.kStore), "[Fast]\r\nWelcome=Hi\r\nElim=2\r\n\r\n[Slow]\r\n\r\n");
  EXPECT_EQ(H.Files.Files.count("files/Tourney Formats.bak"), 0u);  // nothing to back up yet

  ASSERT_TRUE(WriteFormatStore(H.T, {{"Other", {"Boot time=9"}}}));
  EXPECT_EQ(File("files/Tourney Formats.bak"), "[Fast]\r\nWelcome=Hi\r\nElim=2\r\n\r\n[Slow]\r\n\r\n");
  EXPECT_EQ(File(H.kStore), "[Other]\r\nBoot time=9\r\n\r\n");

  H.Files.FailWrites = true;
  EXPECT_FALSE(WriteFormatStore(H.T, formats));
}

TEST_F(FormatStoreTest, MenuListsDefaultThenStoredFormatsInFileOrder) {
  H.Store("[Zed]\r\nWelcome=Z\r\n[default]\r\nWelcome=D\r\n[Alpha]\r\n");
  H.Choose("alpha");
  EXPECT_EQ(H.T.Format.MenuEntries, (std::vector<std::string>{"Default", "Zed", "Alpha"}));
  EXPECT_EQ(H.T.Format.CheckedEntry, 2);
  EXPECT_EQ(H.T.View.Caption, "Velmar ZUR Tourney Bracket - Alpha");

  H.Files.Files.erase(H.kStore);
  H.Choose("Zed");
  EXPECT_EQ(H.T.Format.MenuEntries, (std::vector<std::string>{"Default"}));
  EXPECT_EQ(H.T.Format.CheckedEntry, 0);
  EXPECT_EQ(H.T.View.Caption, "Velmar ZUR Tourney Bracket - Default");
}

TEST(OpponentTokenTest, OnlyTheSecondPlayerTokenOfALineChanges) {
  const std::pair<std::string, std::string> cases[] = {
      {"Next=%p and %p at #%t", "Next=%p and %o at #%t"},
      {"x=%p %p %p", "x=%p %o %p"},
      {"x=%p%p", "x=%p%o"},
      {"x=%p alone", "x=%p alone"},
      {"x=%P and %p", "x=%P and %p"},  // case-sensitive: "%P" is not counted
      {"x=%%p %p", "x=%%p %o"},
  };
  for (const auto& [before, after] : cases) {
    std::string line = before;
    EXPECT_EQ(UpgradeOpponentToken(line), before != after) << before;
    EXPECT_EQ(line, after);
  }
}

TEST_F(FormatStoreTest, UpgradeRewritesOnlyChangedLinesAndLeavesEveryOtherByte) {
  H.Store(
      "head=%p %p\r\n[Old]\r\nNext assign (2 players)=%p and %p at %t\r\n  no equals %p %p\r\n"
      "[Untouched]\n  Bye = %p  \n\n[Old]\r\nBoot=%p vs %p\r\n");
  ASSERT_TRUE(UpgradeOpponentTokens(H.T));
  EXPECT_EQ(File(H.kStore),
            "head=%p %p\r\n[Old]\r\nNext assign (2 players)=%p and %o at %t\r\n  no equals %p %p\r\n"
            "[Untouched]\n  Bye = %p  \n\n[Old]\r\nBoot=%p vs %o\r\n");

  H.Files.FailWrites = true;  // nothing left to change: no write is tried
  EXPECT_FALSE(UpgradeOpponentTokens(H.T));
  H.Files.Files.erase(H.kStore);
  EXPECT_FALSE(UpgradeOpponentTokens(H.T));
}

}  // namespace
}  // namespace vkr
