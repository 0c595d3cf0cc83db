#pragma once
// A zone's rule from the 44 bytes of a registry "TZI" value: Bias,
// StandardBias, DaylightBias (signed 32-bit minutes), then the standard and
// the daylight change as SYSTEMTIME records (year, month, day of week, week,
// hour, minute, second, milliseconds; 16-bit each), little-endian.
#include <cstdint>
#include <optional>
#include <vector>

#include "timing/ZoneRule.h"

namespace vkr::win32 {

constexpr size_t kTziSize = 44;

// None when the bytes are not a rule: another size, a bias beyond a day, or
// a change with a month, weekday, week or time out of range.
std::optional<TZoneRule> RuleFromTzi(const std::vector<uint8_t>& tzi);

}  // namespace vkr::win32
