#include "posix/TempFolder.h"

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace vkr {

TTempFolder::TTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vkr-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::system_error(errno, std::generic_category(), "cannot make a temporary folder");
  }
  FPath = pattern + "/";
}

TTempFolder::~TTempFolder() {
  // Only this run wrote here; remove_all does not follow links out of it.
  std::error_code ignored;
  std::filesystem::remove_all(FPath, ignored);
}

}  // namespace vkr
