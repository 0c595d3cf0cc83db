// Saving and opening when Windows says no: names it refuses, a tournament
// file another program holds open without sharing, a full disk. Each gives a
// clear error and leaves the previous file and its backup as they were.
#include <gtest/gtest.h>

#include "Win32TestFolder.h"
#include "engine/SignUp.h"
#include "storage/TournamentFile.h"
#include "support/TournamentCompare.h"
#include "support/TourneyHost.h"
#include "win32/WinApi.h"

namespace vkr::test {
namespace {

using Names = std::vector<std::string>;

// A tournament saved twice in the test folder, so that it has a backup.
struct TSavedTwice {
  TWin32TestFolder Folder;
  TRealFilesHost Host{Folder.Parent()};
  std::string Main, Backup;
  TSavedTwice() {
    StartTourney(Host.T, Folder.Path() + "cup.vkr", ElimSingle);
    AddButtonClick(Host.T, "Anna");
    AddButtonClick(Host.T, "Bert");
    Main = Folder.Bytes("cup.vkr");
    Backup = Folder.Bytes("cup.~vkr");
  }
  // Adds an entry, which saves; gives the errors shown.
  Names AddAndSave(const std::string& name) {
    Host.Screen.Events.clear();
    AddButtonClick(Host.T, name);
    return Host.Screen.Events;
  }
  Names SaveError() const { return {"error: Cannot create file \"" + Host.T.Storage.FileName + "\"."}; }
  void ExpectFilesAsBefore() {
    EXPECT_EQ(Folder.Bytes("cup.vkr"), Main);
    EXPECT_EQ(Folder.Bytes("cup.~vkr"), Backup);
    EXPECT_EQ(Folder.Names(), (Names{"cup.log", "cup.vkr", "cup.~vkr"})) << "no temporary file is left";
  }
};

TEST(Win32BadFiles, NamesWindowsRefusesFailWithoutLeavingAFile) {
  TWin32TestFolder folder;
  win32::TWin32FileSystem files;
  const std::string refused[] = {"bad|name.vkr", "what?.vkr", "a<b>.vkr", "quoted \"cup\".vkr", "star*.vkr",
                                 "no folder\\cup.vkr", std::string(300, 'x') + ".vkr"};
  for (const std::string& name : refused) {
    const std::string path = folder.Path() + name;
    std::string bytes;
    EXPECT_FALSE(files.WriteFileAtomic(path, "data", true)) << path;
    EXPECT_FALSE(files.AppendWriteThrough(path, "line\r\n")) << path;
    EXPECT_FALSE(files.ReadFile(path, bytes, 100)) << path;
    EXPECT_FALSE(files.FileExists(path)) << path;
  }
  EXPECT_EQ(folder.Names(), Names{}) << "nothing was written anywhere in the folder";
}

TEST(Win32BadFiles, ALockedTournamentFileIsNeitherOverwrittenNorOpened) {
  TSavedTwice saved;
  const std::string& file = saved.Host.T.Storage.FileName;
  // Another program holds the file open and shares nothing.
  HANDLE lock = CreateFileW(win32::WideName(file).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_EQ(saved.AddAndSave("Cleo"), saved.SaveError());
  saved.Host.Screen.Events.clear();
  EXPECT_FALSE(LoadTournament(saved.Host.T, file));
  EXPECT_EQ(saved.Host.Screen.Events, Names{"error: An error was encountered opening the file with the error "
                                            "message:\r\n\r\nCannot open file \"" + file + "\"."});
  EXPECT_EQ(saved.Host.T.Model.PlayerCount(), 3) << "the tournament in memory is untouched";
  CloseHandle(lock);
  saved.ExpectFilesAsBefore();
  // Released, the next save goes through.
  EXPECT_EQ(saved.AddAndSave("Dirk"), Names{});
  EXPECT_EQ(saved.Folder.Bytes("cup.vkr"), FileBytes(saved.Host.T));
}

TEST(Win32BadFiles, AFullDiskFailsTheSaveAndTheLogLineCleanly) {
  TSavedTwice saved;
  const std::string log = saved.Folder.Bytes("cup.log");
  saved.Host.Real.DiskSpace = log.size();
  EXPECT_EQ(saved.AddAndSave("Cleo"), saved.SaveError());
  saved.ExpectFilesAsBefore();
  EXPECT_EQ(saved.Folder.Bytes("cup.log"), log) << "a log line that does not fit is left out whole";
}

}  // namespace
}  // namespace vkr::test
