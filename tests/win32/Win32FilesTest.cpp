// The Windows file adapter on real files in a folder with a non-ASCII name:
// the log read by others while written, the reading limits and what is no
// file. (Saving with a backup is compared with Linux, file by file, by every
// scenario tools/checks/wine.sh runs; its failures are Win32BadFilesTest's.)
#include <gtest/gtest.h>

#include "Win32TestFolder.h"
#include "storage/ActionLog.h"
#include "win32/WinApi.h"

namespace vkr::test {
namespace {

TEST(Win32Files, LogLinesAppendInOrderWhileOthersReadTheLog) {
  TWin32TestFolder folder;
  TRealFilesHost host(folder.Parent());
  host.T.Storage.FileName = folder.Path() + "Cup.vkr";
  WriteLogLine(host.T, "Click: All Start");
  // A viewer holding the log open for reading.
  HANDLE viewer = CreateFileW(win32::WideName(folder.Path() + "Cup.log").c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(viewer, INVALID_HANDLE_VALUE);
  WriteLogLine(host.T, "    -> Player \"Anna\" added to table 50");
  // The log being read while the program writes it.
  std::string bytes;
  EXPECT_TRUE(host.Real.ReadFile(folder.Path() + "Cup.log", bytes, 1000));
  CloseHandle(viewer);
  EXPECT_EQ(folder.Bytes("Cup.log"), "Click: All Start\r\n    -> Player \"Anna\" added to table 50\r\n");
}

TEST(Win32Files, ReadingStopsAtTheLimitAndAtWhatIsNoFile) {
  TWin32TestFolder folder;
  win32::TWin32FileSystem files;
  ASSERT_TRUE(files.WriteFileAtomic(folder.Path() + "ten.txt", "0123456789", false));
  struct Case {
    std::string Path;
    size_t Limit;
    bool Reads;
  };
  const Case cases[] = {
      {folder.Path() + "ten.txt", 10, true},
      {folder.Path() + "ten.txt", 9, false},
      {folder.Path() + "missing.txt", 100, false},
      {folder.Path(), 100, false},
      {folder.Path() + "ten.txt\\inside", 100, false},
  };
  for (const Case& c : cases) {
    std::string bytes = "unchanged";
    EXPECT_EQ(files.ReadFile(c.Path, bytes, c.Limit), c.Reads) << c.Path << " limit " << c.Limit;
    EXPECT_EQ(bytes, c.Reads ? "0123456789" : "unchanged") << c.Path;
  }
  EXPECT_FALSE(files.FileExists(folder.Path())) << "a folder is not a file";
  EXPECT_TRUE(files.DeleteFile(folder.Path() + "ten.txt"));
  EXPECT_FALSE(files.DeleteFile(folder.Path() + "ten.txt"));
  EXPECT_FALSE(files.FileExists(folder.Path() + "ten.txt"));
}

}  // namespace
}  // namespace vkr::test
