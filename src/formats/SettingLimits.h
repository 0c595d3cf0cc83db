#pragma once
// The ranges of the numbers the host types into the format's settings, and
// the lengths of its text fields. Values from any source are held in them.
#include <cstdint>

namespace vkr {

struct TRange {
  int32_t Min, Max;
};

constexpr TRange kMatchPointsRange{0, 100};
constexpr TRange kTimeLimitRange{0, 300};  // minutes; 0 times no match
constexpr TRange kBootTimeRange{1, 100};   // minutes
constexpr TRange kStartTableRange{1, 150};
constexpr TRange kFirstPlaceRange{0, 200};
constexpr TRange kPlacingRange{0, 100};  // 2nd and 3rd place
constexpr TRange kBonusRange{0, 100};    // host and multi-elimination bonus points
constexpr TRange kExpectedPlayersRange{12, 256};

constexpr int kFormatNameMaxLength = 63;
constexpr int kTimeTextMaxLength = 15;  // "Start time", "Rules time"
constexpr int kHostNameMaxLength = 16;

constexpr int32_t Clamped(int64_t value, TRange range) {
  return value < range.Min ? range.Min : value > range.Max ? range.Max : static_cast<int32_t>(value);
}

}  // namespace vkr
