#include "win32/Win32TempFolder.h"

#include <filesystem>
#include <system_error>

#include "win32/WideNames.h"
#include "win32/WinApi.h"

namespace vkr::win32 {

TWin32TempFolder::TWin32TempFolder() {
  wchar_t base[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, base);
  if (length == 0 || length > MAX_PATH) throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "cannot find the temporary folder");
  // CreateDirectoryW fails on an existing name, so the folder is ours alone.
  unsigned seed = GetCurrentProcessId() * 2654435761u + static_cast<unsigned>(GetTickCount64());
  for (int attempt = 0; attempt < 100; ++attempt) {
    seed = seed * 1103515245u + 12345u;
    std::wstring folder = std::wstring(base) + L"vkr-" + std::to_wstring(seed % 100000000u);
    if (CreateDirectoryW(folder.c_str(), nullptr)) {
      FWidePath = folder + L"\\";
      FPath = Utf8Name(FWidePath);
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "cannot make a temporary folder");
}

TWin32TempFolder::~TWin32TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(FWidePath), ignored);
}

}  // namespace vkr::win32
