#pragma once
// Reading the settings of a format from its "key=value" lines.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Text.h"
#include "messages/MessageContext.h"

namespace vkr {

using TFormatLines = std::vector<std::string>;

// The lines by key, indexed in one pass so that a format of very many lines
// is not scanned once per key. A value is the rest of a line after its first
// "="; keys are matched without regard to case; the first line with a key
// wins; a line without "=" names no key. Refers to lines, which must outlive it.
class TFormatValues {
 public:
  explicit TFormatValues(const TFormatLines& lines);

  // Nothing when no line has the key.
  std::optional<std::string_view> Find(std::string_view key) const;
  // The value, or fallback when the key is missing or its value empty.
  std::string Text(std::string_view key, const std::string& fallback) const;
  // A whole number; fallback when missing, empty or not a valid 32-bit integer.
  int32_t Number(std::string_view key, int32_t fallback) const;
  // A points list; fallback when missing or empty.
  TPointsList List(std::string_view key, const TPointsList& fallback) const;

 private:
  std::unordered_map<std::string_view, std::string_view, TCaseBlindHash, TCaseBlindEqual> FValues;
};

}  // namespace vkr
