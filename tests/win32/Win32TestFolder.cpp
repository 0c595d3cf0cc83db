#include "Win32TestFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "win32/WideNames.h"

namespace vkr::test {

namespace fs = std::filesystem;

TWin32TestFolder::TWin32TestFolder() : FPath(FTemp.Path() + "Turnier Zürich ½ – 決勝\\") {
  fs::create_directory(fs::path(win32::WideName(FPath)));
}

std::vector<std::string> TWin32TestFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(win32::WideName(FPath)))) {
    names.push_back(win32::Utf8Name(entry.path().filename().wstring()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string TWin32TestFolder::Bytes(const std::string& name) const {
  std::ifstream file(fs::path(win32::WideName(FPath + name)), std::ios::binary);
  if (!file) return "<missing>";
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

}  // namespace vkr::test
