#pragma once
// Helpers of the Windows file tests: a private folder with a non-ASCII name,
// the bytes and names found in it through the wide file functions, and a
// test host whose files are real.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/FakePorts.h"
#include "win32/WideNames.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32TempFolder.h"

namespace vkr::test {

class TWin32TestFolder {
 public:
  TWin32TestFolder() : FPath(FTemp.Path() + "Turnier Zürich ½ – 決勝\\") {
    std::filesystem::create_directory(Wide(""));
  }
  // The folder in UTF-8 with its trailing separator.
  const std::string& Path() const { return FPath; }
  // The temporary folder it lies in, for the side files of a tournament.
  const std::string& Parent() const { return FTemp.Path(); }
  // The names in the folder (UTF-8), sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Wide(""))) {
      names.push_back(win32::Utf8Name(entry.path().filename().wstring()));
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  // A file's bytes; "<missing>" when it cannot be read.
  std::string Bytes(const std::string& name) const {
    std::ifstream file(Wide(name), std::ios::binary);
    if (!file) return "<missing>";
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }

 private:
  std::filesystem::path Wide(const std::string& name) const { return win32::WideName(FPath + name); }
  win32::TWin32TempFolder FTemp;
  std::string FPath;
};

// A test host whose files are real; its side files go to sideFolder.
struct TRealFilesHost : TTestHost {
  win32::TWin32FileSystem Real;
  explicit TRealFilesHost(const std::string& sideFolder) {
    T.Ports.Files = &Real;
    T.FilesFolder = sideFolder;
  }
};

}  // namespace vkr::test
