#include "win32/WideNames.h"

#include "win32/WinApi.h"

namespace vkr::win32 {
namespace {

std::wstring Widen(UINT codePage, DWORD flags, const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::wstring WideName(const std::string& name) {
  std::wstring wide = Widen(CP_UTF8, MB_ERR_INVALID_CHARS, name);
  return wide.empty() ? Widen(CP_ACP, 0, name) : wide;
}

std::string Utf8Name(const std::wstring& name) {
  if (name.empty()) return {};
  const int size = static_cast<int>(name.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, name.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string utf8(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, name.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace vkr::win32
