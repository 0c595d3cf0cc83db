// Saving and opening when Windows says no: names it refuses, a tournament
// file another program holds open without sharing, a full disk. Each gives a
// clear error and leaves the previous file and its backup as they were.
#include <gtest/gtest.h>

#include "Win32TestFolder.h"
#include "engine/SignUp.h"
#include "fakes/FakePorts.h"
#include "storage/TournamentFile.h"
#include "support/TournamentCompare.h"
#include "support/TourneyHost.h"
#include "win32/WideNames.h"
#include "win32/Win32FileSystem.h"
#include "win32/WinApi.h"

namespace vkr::test {
namespace {

using Names = std::vector<std::string>;

// A tournament saved twice in the test folder, so that it has a backup.
struct TSavedTwice : TTestHost {
  TWin32TestFolder Folder;
  win32::TWin32FileSystem Real;
  std::string Main, Backup;
  TSavedTwice() {
    T.Ports.Files = &Real;
    T.FilesFolder = Folder.Parent();
    StartTourney(T, Folder.Path() + "cup.vkr", ElimSingle);
    AddButtonClick(T, "Anna");
    AddButtonClick(T, "Bert");
    Main = Folder.Bytes("cup.vkr");
    Backup = Folder.Bytes("cup.~vkr");
    Screen.Events.clear();
  }
  // Adds an entry, which saves; gives the errors shown.
  std::vector<std::string> AddAndSave(const std::string& name) {
    AddButtonClick(T, name);
    return Screen.Events;
  }
  void ExpectFilesAsBefore() {
    EXPECT_EQ(Folder.Bytes("cup.vkr"), Main);
    EXPECT_EQ(Folder.Bytes("cup.~vkr"), Backup);
    EXPECT_EQ(Folder.Names(), (Names{"cup.log", "cup.vkr", "cup.~vkr"})) << "no temporary file is left";
  }
};

TEST(Win32BadFiles, NamesWindowsRefusesFailWithoutLeavingAFile) {
  TWin32TestFolder folder;
  win32::TWin32FileSystem files;
  const std::string refused[] = {
      folder.Path() + "bad|name.vkr",   folder.Path() + "what?.vkr",
      folder.Path() + "a<b>.vkr",       folder.Path() + "quoted \"cup\".vkr",
      folder.Path() + "star*.vkr",      folder.Path() + "no folder\\cup.vkr",
      folder.Path() + std::string(300, 'x') + ".vkr",
  };
  for (const std::string& path : refused) {
    std::string bytes;
    EXPECT_FALSE(files.WriteFileAtomic(path, "data", true)) << path;
    EXPECT_FALSE(files.AppendWriteThrough(path, "line\r\n")) << path;
    EXPECT_FALSE(files.ReadFile(path, bytes, 100)) << path;
    EXPECT_FALSE(files.FileExists(path)) << path;
  }
  EXPECT_EQ(folder.Names(), Names{}) << "nothing was written anywhere in the folder";
}

TEST(Win32BadFiles, SavingUnderARefusedNameShowsTheErrorAndKeepsTheOldFile) {
  TSavedTwice host;
  const std::string refused = host.Folder.Path() + "cup|2.vkr";
  SaveTournamentAs(host.T, refused);
  EXPECT_EQ(host.Screen.Events, Names{"error: Cannot create file \"" + refused + "\"."});
  host.ExpectFilesAsBefore();
}

TEST(Win32BadFiles, ALockedTournamentFileIsNeitherOverwrittenNorOpened) {
  TSavedTwice host;
  {
    // Another program holds the file open and shares nothing.
    HANDLE lock = CreateFileW(win32::WideName(host.T.Storage.FileName).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(host.AddAndSave("Cleo"), Names{"error: Cannot create file \"" + host.T.Storage.FileName + "\"."});

    host.Screen.Events.clear();
    EXPECT_FALSE(LoadTournament(host.T, host.T.Storage.FileName));
    EXPECT_EQ(host.Screen.Events, Names{"error: An error was encountered opening the file with the error "
                                        "message:\r\n\r\nCannot open file \"" + host.T.Storage.FileName + "\"."});
    EXPECT_EQ(host.T.Model.PlayerCount(), 3) << "the tournament in memory is untouched";
    CloseHandle(lock);
  }
  EXPECT_EQ(host.Folder.Bytes("cup.vkr"), host.Main);
  EXPECT_EQ(host.Folder.Bytes("cup.~vkr"), host.Backup);
  // Released, the next save goes through.
  host.Screen.Events.clear();
  EXPECT_EQ(host.AddAndSave("Dirk"), Names{});
  EXPECT_EQ(host.Folder.Bytes("cup.vkr"), FileBytes(host.T));
}

TEST(Win32BadFiles, AFullDiskFailsTheSaveAndTheLogLineCleanly) {
  TSavedTwice host;
  const std::string log = host.Folder.Bytes("cup.log");
  host.Real.DiskSpace = log.size();
  EXPECT_EQ(host.AddAndSave("Cleo"), Names{"error: Cannot create file \"" + host.T.Storage.FileName + "\"."});
  host.ExpectFilesAsBefore();
  EXPECT_EQ(host.Folder.Bytes("cup.log"), log) << "a log line that does not fit is left out whole";
}

}  // namespace
}  // namespace vkr::test
