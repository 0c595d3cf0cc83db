#pragma once
// A fresh folder under the user's temporary folder, made for one run and
// removed with its contents when the object goes.
#include <string>

namespace vkr::win32 {

class TWin32TempFolder {
 public:
  // Throws std::system_error when no folder can be made.
  TWin32TempFolder();
  ~TWin32TempFolder();
  TWin32TempFolder(const TWin32TempFolder&) = delete;
  TWin32TempFolder& operator=(const TWin32TempFolder&) = delete;

  // The folder in UTF-8 with a trailing '\'.
  const std::string& Path() const { return FPath; }

 private:
  std::wstring FWidePath;
  std::string FPath;
};

}  // namespace vkr::win32
