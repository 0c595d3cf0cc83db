#include "posix/BuiltInTimeZones.h"

#include <array>

#include "timing/ZoneRule.h"

namespace vkr {
namespace {

struct TBuiltInZone {
  const char* Key;
  const char* Display;
  const char* StandardName;
  const char* DaylightName;
  TZoneRule Rule;
};

constexpr TZoneChange kNone{};
// The United States and Canada since 2007: second Sunday of March, first of November, 2:00.
constexpr TZoneChange kUsStandard{11, 0, 1, 2, 0}, kUsDaylight{3, 0, 2, 2, 0};
// The European Union: last Sunday of October and of March, 1:00 UTC.
TZoneRule Europe(int32_t bias) {
  return TZoneRule{bias, -60, TZoneChange{10, 0, 5, 2 - bias / 60, 0}, TZoneChange{3, 0, 5, 1 - bias / 60, 0}};
}

const std::array<TBuiltInZone, 20> kZones{{
    {"Hawaiian Standard Time",
     "(UTC-10:00) Hawaii",
     "Hawaiian Standard Time",
     "Hawaiian Daylight Time",
     {600, -60, kNone, kNone}},
    {"Alaskan Standard Time",
     "(UTC-09:00) Alaska",
     "Alaskan Standard Time",
     "Alaskan Daylight Time",
     {540, -60, kUsStandard, kUsDaylight}},
    {"Pacific Standard Time",
     "(UTC-08:00) Pacific Time (US & Canada)",
     "Pacific Standard Time",
     "Pacific Daylight Time",
     {480, -60, kUsStandard, kUsDaylight}},
    {"US Mountain Standard Time",
     "(UTC-07:00) Arizona",
     "US Mountain Standard Time",
     "US Mountain Daylight Time",
     {420, -60, kNone, kNone}},
    {"Mountain Standard Time",
     "(UTC-07:00) Mountain Time (US & Canada)",
     "Mountain Standard Time",
     "Mountain Daylight Time",
     {420, -60, kUsStandard, kUsDaylight}},
    {"Central Standard Time",
     "(UTC-06:00) Central Time (US & Canada)",
     "Central Standard Time",
     "Central Daylight Time",
     {360, -60, kUsStandard, kUsDaylight}},
    {"Eastern Standard Time",
     "(UTC-05:00) Eastern Time (US & Canada)",
     "Eastern Standard Time",
     "Eastern Daylight Time",
     {300, -60, kUsStandard, kUsDaylight}},
    {"Atlantic Standard Time",
     "(UTC-04:00) Atlantic Time (Canada)",
     "Atlantic Standard Time",
     "Atlantic Daylight Time",
     {240, -60, kUsStandard, kUsDaylight}},
    {"Newfoundland Standard Time",
     "(UTC-03:30) Newfoundland",
     "Newfoundland Standard Time",
     "Newfoundland Daylight Time",
     {210, -60, kUsStandard, kUsDaylight}},
    {"E. South America Standard Time",
     "(UTC-03:00) Brasilia",
     "E. South America Standard Time",
     "E. South America Daylight Time",
     {180, -60, kNone, kNone}},
    {"UTC",
     "(UTC) Coordinated Universal Time",
     "Coordinated Universal Time",
     "Coordinated Universal Time",
     {0, 0, kNone, kNone}},
    {"GMT Standard Time", "(UTC+00:00) Dublin, Edinburgh, Lisbon, London", "GMT Standard Time", "GMT Daylight Time",
     Europe(0)},
    {"W. Europe Standard Time", "(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna",
     "W. Europe Standard Time", "W. Europe Daylight Time", Europe(-60)},
    {"GTB Standard Time", "(UTC+02:00) Athens, Bucharest", "GTB Standard Time", "GTB Daylight Time", Europe(-120)},
    {"Russian Standard Time",
     "(UTC+03:00) Moscow, St. Petersburg",
     "Russian Standard Time",
     "Russian Daylight Time",
     {-180, -60, kNone, kNone}},
    {"India Standard Time",
     "(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi",
     "India Standard Time",
     "India Daylight Time",
     {-330, -60, kNone, kNone}},
    {"China Standard Time",
     "(UTC+08:00) Beijing, Chongqing, Hong Kong, Urumqi",
     "China Standard Time",
     "China Daylight Time",
     {-480, -60, kNone, kNone}},
    {"Tokyo Standard Time",
     "(UTC+09:00) Osaka, Sapporo, Tokyo",
     "Tokyo Standard Time",
     "Tokyo Daylight Time",
     {-540, -60, kNone, kNone}},
    // Southern zones: daylight time from spring (October, September) to April.
    {"AUS Eastern Standard Time",
     "(UTC+10:00) Canberra, Melbourne, Sydney",
     "AUS Eastern Standard Time",
     "AUS Eastern Daylight Time",
     {-600, -60, TZoneChange{4, 0, 1, 3, 0}, TZoneChange{10, 0, 1, 2, 0}}},
    {"New Zealand Standard Time",
     "(UTC+12:00) Auckland, Wellington",
     "New Zealand Standard Time",
     "New Zealand Daylight Time",
     {-720, -60, TZoneChange{4, 0, 1, 3, 0}, TZoneChange{9, 0, 5, 2, 0}}},
}};

const TBuiltInZone* Find(const std::string& key) {
  for (const TBuiltInZone& z : kZones) {
    if (key == z.Key) return &z;
  }
  return nullptr;
}

TZoneInfo InfoOf(const TBuiltInZone& z) {
  return TZoneInfo{z.Key, z.Display, z.StandardName, z.DaylightName, -z.Rule.Bias};
}

}  // namespace

std::vector<TZoneInfo> TBuiltInTimeZones::Zones() {
  std::vector<TZoneInfo> zones;
  for (const TBuiltInZone& z : kZones) zones.push_back(InfoOf(z));
  return zones;
}

std::optional<TZoneInfo> TBuiltInTimeZones::Zone(const std::string& key) {
  const TBuiltInZone* z = Find(key);
  if (z == nullptr) return std::nullopt;
  return InfoOf(*z);
}

std::optional<TZoneState> TBuiltInTimeZones::StateAt(const std::string& key, TDateTime utc) {
  const TBuiltInZone* z = Find(key);
  if (z == nullptr) return std::nullopt;
  return ZoneStateByRule(z->Rule, utc);
}

TZoneState TBuiltInTimeZones::LocalStateAt(TDateTime utc) { return StateAt(FLocalKey, utc).value_or(TZoneState{}); }

}  // namespace vkr
