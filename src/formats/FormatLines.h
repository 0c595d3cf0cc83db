#pragma once
// Reading one setting from a format's "key=value" lines.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/MessageContext.h"

namespace vkr {

using TFormatLines = std::vector<std::string>;

// The value of the first line whose key (the text before its first "=")
// equals key, case ignored; nothing when no line has that key.
std::optional<std::string> FindFormatValue(const TFormatLines& lines, std::string_view key);
// The value, or fallback when the key is missing or its value empty.
std::string FormatText(const TFormatLines& lines, std::string_view key, const std::string& fallback);
// A whole number; fallback when missing, empty or not a valid 32-bit integer.
int32_t FormatNumber(const TFormatLines& lines, std::string_view key, int32_t fallback);
// A points list; fallback when missing or empty.
TPointsList FormatList(const TFormatLines& lines, std::string_view key, const TPointsList& fallback);

}  // namespace vkr
