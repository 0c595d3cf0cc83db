#pragma once
// A fresh private folder under the system's temporary folder, made for one
// run and removed with its contents when the object goes.
#include <string>

namespace vkr {

class TTempFolder {
 public:
  // Throws std::system_error when no folder can be made.
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  // The folder with a trailing '/'.
  const std::string& Path() const { return FPath; }

 private:
  std::string FPath;
};

}  // namespace vkr
