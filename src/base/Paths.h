#pragma once
// File-name helpers that accept both '/' and '\\' as folder separators.
#include <string>
#include <string_view>

namespace vkr {

// Replaces the extension of the last path element (the part from its last
// '.'), or appends ext when it has none. ext includes its dot.
std::string ChangeFileExt(std::string_view path, std::string_view ext);
// The last path element.
std::string ExtractFileName(std::string_view path);
// The folder part including its trailing separator; empty when there is none.
std::string ExtractFilePath(std::string_view path);

}  // namespace vkr
