#include "formats/FormatLines.h"

#include "base/Text.h"
#include "formats/PointsList.h"

namespace vkr {

std::optional<std::string> FindFormatValue(const TFormatLines& lines, std::string_view key) {
  for (const std::string& line : lines) {
    size_t eq = line.find('=');
    // A line without "=" names no key at all.
    if (eq != std::string::npos && SameText(std::string_view(line).substr(0, eq), key)) return line.substr(eq + 1);
  }
  return std::nullopt;
}

std::string FormatText(const TFormatLines& lines, std::string_view key, const std::string& fallback) {
  std::optional<std::string> value = FindFormatValue(lines, key);
  return value && !value->empty() ? *value : fallback;
}

int32_t FormatNumber(const TFormatLines& lines, std::string_view key, int32_t fallback) {
  std::optional<std::string> value = FindFormatValue(lines, key);
  int32_t number = 0;
  return value && TryParseInt(*value, number) ? number : fallback;
}

TPointsList FormatList(const TFormatLines& lines, std::string_view key, const TPointsList& fallback) {
  std::optional<std::string> value = FindFormatValue(lines, key);
  return value && !value->empty() ? TextToList(*value) : fallback;
}

}  // namespace vkr
