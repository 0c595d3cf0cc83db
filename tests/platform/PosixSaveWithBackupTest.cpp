// Real files: the tournament file replaced with its previous content kept as
// the backup, without copying and without ever writing into a file that
// another name still refers to.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "posix/PosixFileSystem.h"

namespace vkr {
namespace {

namespace fs = std::filesystem;

class PosixSaveWithBackup : public testing::Test {
 protected:
  void SetUp() override {
    FFolder = fs::temp_directory_path() / ("vkr-posix-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(FFolder);
    fs::create_directories(FFolder);
  }
  void TearDown() override { fs::remove_all(FFolder); }
  std::string Path(const char* name) const { return (FFolder / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  size_t FilesInFolder() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(FFolder), fs::directory_iterator()));
  }

  fs::path FFolder;
  TPosixFileSystem FFiles;
};

TEST_F(PosixSaveWithBackup, EachSaveKeepsThePreviousContent) {
  const std::string main = Path("t.vkr"), backup = Path("t.~vkr");
  for (bool flush : {false, true}) {
    fs::remove(main);
    fs::remove(backup);
    ASSERT_TRUE(FFiles.WriteFileKeepingBackup(main, backup, "first", flush));
    EXPECT_EQ(Read(main), "first");
    EXPECT_FALSE(fs::exists(backup)) << "nothing to keep before the first save";
    ASSERT_TRUE(FFiles.WriteFileKeepingBackup(main, backup, "second, longer", flush));
    EXPECT_EQ(Read(main), "second, longer");
    EXPECT_EQ(Read(backup), "first");
    ASSERT_TRUE(FFiles.WriteFileKeepingBackup(main, backup, "third", flush));
    EXPECT_EQ(Read(main), "third");
    EXPECT_EQ(Read(backup), "second, longer");
    EXPECT_EQ(fs::hard_link_count(main), 1u);
    EXPECT_EQ(fs::hard_link_count(backup), 1u);
    EXPECT_EQ(FilesInFolder(), 2u) << "no temporary file is left behind";
  }
}

TEST_F(PosixSaveWithBackup, ABackupWithAnotherNameIsNeverWrittenInto) {
  const std::string main = Path("t.vkr"), backup = Path("t.~vkr"), other = Path("kept.vkr");
  ASSERT_TRUE(FFiles.WriteFileKeepingBackup(main, backup, "first", false));
  ASSERT_TRUE(FFiles.WriteFileKeepingBackup(main, backup, "second", false));
  fs::create_hard_link(backup, other);
  ASSERT_TRUE(FFiles.WriteFileKeepingBackup(main, backup, "third", false));
  EXPECT_EQ(Read(other), "first");
  EXPECT_EQ(Read(backup), "second");
  EXPECT_EQ(Read(main), "third");
  // A main file and backup left as two names of one file, as after a crash mid-save.
  fs::remove(backup);
  fs::create_hard_link(main, backup);
  ASSERT_TRUE(FFiles.WriteFileKeepingBackup(main, backup, "fourth", false));
  EXPECT_EQ(Read(backup), "third");
  EXPECT_EQ(Read(main), "fourth");
}

TEST_F(PosixSaveWithBackup, AFolderThatDoesNotExistFails) {
  const std::string main = Path("missing/t.vkr");
  EXPECT_FALSE(FFiles.WriteFileKeepingBackup(main, Path("missing/t.~vkr"), "x", false));
  EXPECT_FALSE(fs::exists(main));
}

}  // namespace
}  // namespace vkr
