// The sectioned file behind the format store, fed with odd files.
#include <gtest/gtest.h>

#include "fakes/FakePorts.h"
#include "formats/MessageFile.h"

namespace vkr {
namespace {

struct MessageFileTest : ::testing::Test {
  test::TMemoryFileSystem Files;
  TMessageFile File{Files, "store.ini"};
  void Given(const std::string& text) { Files.Files["store.ini"] = text; }
};

TEST_F(MessageFileTest, ReadsSectionsTrimmingLinesAndDroppingShortOnes) {
  Given("stray=before any section\r\n[Fast]\r\n  Welcome=Hi  \r\nA=\r\nAB=\r\n   \r\n\t\t\r\n[Slow\nBoot time=9\r[x]y]\r\nk=v");
  ASSERT_TRUE(File.Load());
  ASSERT_EQ(File.SectionCount(), 3);
  EXPECT_EQ(File.SectionName(0), "Fast");
  EXPECT_EQ(File.SectionLines(0), (std::vector<std::string>{"Welcome=Hi", "AB="}));
  EXPECT_EQ(File.SectionName(1), "Slow");  // no "]": the rest of the line
  EXPECT_EQ(File.SectionLines(1), (std::vector<std::string>{"Boot time=9"}));
  EXPECT_EQ(File.SectionName(2), "x");
  EXPECT_EQ(File.SectionLines(2), (std::vector<std::string>{"k=v"}));
}

TEST_F(MessageFileTest, RepeatedSectionKeepsItsFirstOccurrence) {
  Given("[Fast]\r\nWelcome=One\r\n[Slow]\r\nBye=S\r\n[FAST]\r\nWelcome=Two\r\nFormat=F\r\n");
  ASSERT_TRUE(File.Load());
  ASSERT_EQ(File.SectionCount(), 2);
  ASSERT_NE(File.FindSection("fast"), nullptr);
  EXPECT_EQ(*File.FindSection("fast"), (std::vector<std::string>{"Welcome=One"}));
  EXPECT_FALSE(File.AddSection("SLOW", {"x=1"}));
  EXPECT_EQ(File.SectionCount(), 2);
}

TEST_F(MessageFileTest, MissingEmptyAndOversizedFilesGiveNoSections) {
  EXPECT_FALSE(File.Load());
  EXPECT_EQ(File.SectionCount(), 0);
  Given("no=sections\r\nat=all\r\n");
  EXPECT_TRUE(File.Load());
  EXPECT_EQ(File.SectionCount(), 0);
  Given("[Big]\r\n" + std::string((16u << 20) + 1, 'x'));
  EXPECT_FALSE(File.Load());
  EXPECT_EQ(File.SectionCount(), 0);
}

TEST_F(MessageFileTest, SurvivesHugeLinesAndNulBytes) {
  using namespace std::string_literals;
  const std::string huge(1 << 20, 'v');
  Given("["s + huge + "\r\n[Nul\0name]\r\nWel\0come=Hi\r\n\0\0\0\r\n[Fast]\r\nkey="s + huge + "\r\n");
  ASSERT_TRUE(File.Load());
  ASSERT_EQ(File.SectionCount(), 3);
  EXPECT_EQ(File.SectionName(0), huge);
  EXPECT_EQ(File.SectionName(1), "Nul\0name"s);
  EXPECT_EQ(File.SectionLines(1), (std::vector<std::string>{"Wel\0come=Hi"s}));
  EXPECT_EQ(File.SectionLines(2), (std::vector<std::string>{"key=" + huge}));
}

TEST_F(MessageFileTest, FileOfVeryManySectionsIsReadInOnePass) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "[S" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n[s0]\r\n";
  Given(text);
  ASSERT_TRUE(File.Load());
  ASSERT_EQ(File.SectionCount(), 100000);
  ASSERT_NE(File.FindSection("s99999"), nullptr);
  EXPECT_EQ(*File.FindSection("s99999"), (std::vector<std::string>{"k=99999"}));
  EXPECT_EQ(*File.FindSection("S0"), (std::vector<std::string>{"k=0"}));
}

TEST_F(MessageFileTest, SavesEachSectionWithHeaderLinesAndAnEmptyLine) {
  ASSERT_TRUE(File.AddSection("Fast", {"Welcome=Hi", "Elim=2"}));
  ASSERT_TRUE(File.AddSection("Empty", {}));
  ASSERT_TRUE(File.Save());
  EXPECT_EQ(Files.Files["store.ini"], "[Fast]\r\nWelcome=Hi\r\nElim=2\r\n\r\n[Empty]\r\n\r\n");
  Files.FailWrites = true;
  EXPECT_FALSE(File.Save());
}

}  // namespace
}  // namespace vkr
