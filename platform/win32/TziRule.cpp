#include "win32/TziRule.h"

namespace vkr::win32 {
namespace {

int32_t Int32At(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<int32_t>(static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
                              static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24);
}

int Word(const std::vector<uint8_t>& bytes, size_t at) { return bytes[at] | bytes[at + 1] << 8; }

// The change of a SYSTEMTIME record at `at`; none when out of range.
std::optional<TZoneChange> ChangeAt(const std::vector<uint8_t>& bytes, size_t at) {
  TZoneChange change;
  change.Month = Word(bytes, at + 2);
  change.DayOfWeek = Word(bytes, at + 4);
  change.Week = Word(bytes, at + 6);
  change.Hour = Word(bytes, at + 8);
  change.Minute = Word(bytes, at + 10);
  if (change.Month == 0) return TZoneChange{};
  if (change.Month > 12 || change.DayOfWeek > 6 || change.Week < 1 || change.Week > 5 || change.Hour > 23 ||
      change.Minute > 59) {
    return std::nullopt;
  }
  return change;
}

bool WithinADay(int32_t minutes) { return minutes >= -1440 && minutes <= 1440; }

}  // namespace

std::optional<TZoneRule> RuleFromTzi(const std::vector<uint8_t>& tzi) {
  if (tzi.size() != kTziSize) return std::nullopt;
  const int32_t bias = Int32At(tzi, 0), standardBias = Int32At(tzi, 4), daylightBias = Int32At(tzi, 8);
  if (!WithinADay(bias) || !WithinADay(standardBias) || !WithinADay(daylightBias)) return std::nullopt;
  const std::optional<TZoneChange> standard = ChangeAt(tzi, 12), daylight = ChangeAt(tzi, 28);
  if (!standard || !daylight) return std::nullopt;
  TZoneRule rule;
  // Standard time's own bias (nearly always 0) folds into the zone's bias.
  rule.Bias = bias + standardBias;
  rule.DaylightBias = daylightBias - standardBias;
  // Without both changes the zone keeps standard time all year.
  const bool saving = standard->Month != 0 && daylight->Month != 0;
  rule.StandardDate = saving ? *standard : TZoneChange{};
  rule.DaylightDate = saving ? *daylight : TZoneChange{};
  return rule;
}

}  // namespace vkr::win32
