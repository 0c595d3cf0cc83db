#include "formats/FormatLines.h"

#include "base/Text.h"
#include "formats/PointsList.h"

namespace vkr {

TFormatValues::TFormatValues(const TFormatLines& lines) {
  for (const std::string& line : lines) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string_view text(line);
    FValues.emplace(text.substr(0, eq), text.substr(eq + 1));  // keeps the first line of a key
  }
}

std::optional<std::string_view> TFormatValues::Find(std::string_view key) const {
  auto it = FValues.find(key);
  if (it == FValues.end()) return std::nullopt;
  return it->second;
}

std::string TFormatValues::Text(std::string_view key, const std::string& fallback) const {
  std::optional<std::string_view> value = Find(key);
  return value && !value->empty() ? std::string(*value) : fallback;
}

int32_t TFormatValues::Number(std::string_view key, int32_t fallback) const {
  std::optional<std::string_view> value = Find(key);
  int32_t number = 0;
  return value && TryParseInt(*value, number) ? number : fallback;
}

TPointsList TFormatValues::List(std::string_view key, const TPointsList& fallback) const {
  std::optional<std::string_view> value = Find(key);
  return value && !value->empty() ? TextToList(*value) : fallback;
}

}  // namespace vkr
