// Real files: the tournament file replaced with its previous content kept as
// the backup, never writing into a file that another name still refers to.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/FakePorts.h"
#include "posix/PosixFileSystem.h"
#include "posix/TempFolder.h"
#include "storage/TournamentFile.h"
#include "support/TourneyHost.h"

namespace vkr {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

TEST(PosixSaveWithBackup, KeepsThePreviousContentWithoutTouchingOtherNames) {
  const TTempFolder temp;
  const fs::path folder = temp.Path();
  const fs::path main = folder / "t.vkr", backup = folder / "t.~vkr", other = folder / "kept.vkr";
  TPosixFileSystem files;
  auto save = [&](const char* text, bool flush) { return files.WriteFileKeepingBackup(main, backup, text, flush); };
  ASSERT_TRUE(save("first", true));
  EXPECT_FALSE(fs::exists(backup)) << "nothing to keep before the first save";
  // What each save keeps as the backup shows in the backup scenario.
  ASSERT_TRUE(save("second, longer", false));
  ASSERT_TRUE(save("third", true));
  EXPECT_EQ(fs::hard_link_count(main) + fs::hard_link_count(backup), 2u);

  fs::create_hard_link(backup, other);
  ASSERT_TRUE(save("fourth", false));
  EXPECT_EQ(Read(other), "second, longer") << "a backup with another name is not reused";
  // Main file and backup as two names of one file, as after a crash mid-save.
  fs::remove(backup);
  fs::create_hard_link(main, backup);
  ASSERT_TRUE(save("fifth", false));
  EXPECT_EQ(Read(backup), "fourth");
  EXPECT_EQ(Read(main), "fifth");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3) << "no temporary file left";

  EXPECT_FALSE(files.WriteFileKeepingBackup(folder / "missing/t.vkr", folder / "missing/t.~vkr", "x", false));
}

// Temporary files an interrupted save left behind go at the next save under
// that name and at the next opening; the user's own files beside them stay.
TEST(PosixSaveWithBackup, TheNextSaveOrOpeningRemovesLeftoverTemporaryFiles) {
  const TTempFolder temp;
  const fs::path folder = temp.Path();
  fs::create_directories(folder / "t.vkr.tmpDir123");
  const char* const leftovers[] = {"t.vkr.tmpA1b2C3", "t.vkr.saving", "t.~vkr.tmpZz9yY8"};
  const char* const kept[] = {"t.vkr.backup", "t.vkr.tmpA1b2C", "u.vkr.tmpA1b2C3", "t.vkr.tmpDir123"};
  TPosixFileSystem files;
  for (const bool open : {false, true}) {
    for (const char* name : leftovers) std::ofstream(folder / name) << "partial";
    for (const char* name : kept) std::ofstream(folder / name) << "mine";
    test::TTestHost host;
    host.T.Ports.Files = &files;
    if (open) {
      ASSERT_TRUE(LoadTournament(host.T, (folder / "t.vkr").string()));
    } else {
      test::StartTourney(host.T, (folder / "other.vkr").string(), ElimSingle);
      SaveTournamentAs(host.T, (folder / "t.vkr").string());
    }
    for (const char* name : leftovers) EXPECT_FALSE(fs::exists(folder / name)) << name << (open ? " open" : " save");
    for (const char* name : kept) EXPECT_TRUE(fs::exists(folder / name)) << name << (open ? " open" : " save");
  }
}

}  // namespace
}  // namespace vkr
