#pragma once
// Helpers of the Windows adapter tests: a private folder with a non-ASCII
// name, and the bytes and names found in it through the wide file functions.
#include <string>
#include <vector>

#include "win32/Win32TempFolder.h"

namespace vkr::test {

class TWin32TestFolder {
 public:
  TWin32TestFolder();
  // The folder in UTF-8 with its trailing separator.
  const std::string& Path() const { return FPath; }
  // The temporary folder it lies in, for the side files of a tournament.
  const std::string& Parent() const { return FTemp.Path(); }
  // The names in the folder (UTF-8), sorted.
  std::vector<std::string> Names() const;
  // A file's bytes; "<missing>" when it cannot be read.
  std::string Bytes(const std::string& name) const;

 private:
  win32::TWin32TempFolder FTemp;
  std::string FPath;
};

}  // namespace vkr::test
