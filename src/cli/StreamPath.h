#pragma once
// A file name of the tool (UTF-8 on every system) for the standard streams,
// which on Windows would read a narrow name in the ANSI code page.
#include <filesystem>
#include <string>

namespace vkr::cli {

inline std::filesystem::path StreamPath(const std::string& name) {
#ifdef _WIN32
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
#else
  return std::filesystem::path(name);
#endif
}

}  // namespace vkr::cli
