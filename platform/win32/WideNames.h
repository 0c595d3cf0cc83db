#pragma once
// File names: the core's are UTF-8 (an old ANSI name that is not valid UTF-8
// is read in the system code page); Windows' own are UTF-16.
#include <string>

namespace vkr::win32 {

std::wstring WideName(const std::string& name);
std::string Utf8Name(const std::wstring& name);

}  // namespace vkr::win32
