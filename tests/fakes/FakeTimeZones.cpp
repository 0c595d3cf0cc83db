#include "fakes/FakeTimeZones.h"

namespace vkr::test {
namespace {

TDateTime Utc(int y, int mo, int d, int h) { return EncodeDateTime(y, mo, d, h, 0, 0); }

}  // namespace

TFakeTimeZones::TFakeTimeZones() {
  auto add = [this](TZoneInfo info, std::vector<std::pair<TDateTime, TDateTime>> daylight) {
    const std::string key = info.Key;
    FZones[key] = TRule{std::move(info), std::move(daylight)};
  };
  add({"UTC", "(UTC) Coordinated Universal Time", "Coordinated Universal Time", "Coordinated Universal Time", 0}, {});
  add({"Eastern Standard Time", "(UTC-05:00) Eastern Time (US & Canada)", "Eastern Standard Time",
       "Eastern Daylight Time", -300},
      {{Utc(2025, 3, 9, 7), Utc(2025, 11, 2, 6)},
       {Utc(2026, 3, 8, 7), Utc(2026, 11, 1, 6)},
       {Utc(2027, 3, 14, 7), Utc(2027, 11, 7, 6)}});
  add({"Pacific Standard Time", "(UTC-08:00) Pacific Time (US & Canada)", "Pacific Standard Time",
       "Pacific Daylight Time", -480},
      {{Utc(2025, 3, 9, 10), Utc(2025, 11, 2, 9)},
       {Utc(2026, 3, 8, 10), Utc(2026, 11, 1, 9)},
       {Utc(2027, 3, 14, 10), Utc(2027, 11, 7, 9)}});
  add({"GMT Standard Time", "(UTC+00:00) Dublin, Edinburgh, Lisbon, London", "GMT Standard Time",
       "GMT Daylight Time", 0},
      {{Utc(2025, 3, 30, 1), Utc(2025, 10, 26, 1)},
       {Utc(2026, 3, 29, 1), Utc(2026, 10, 25, 1)},
       {Utc(2027, 3, 28, 1), Utc(2027, 10, 31, 1)}});
  add({"AUS Eastern Standard Time", "(UTC+10:00) Canberra, Melbourne, Sydney", "AUS Eastern Standard Time",
       "AUS Eastern Daylight Time", 600},
      {{Utc(2024, 10, 5, 16), Utc(2025, 4, 5, 16)},
       {Utc(2025, 10, 4, 16), Utc(2026, 4, 4, 16)},
       {Utc(2026, 10, 3, 16), Utc(2027, 4, 3, 16)}});
  add({"India Standard Time", "(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi", "India Standard Time",
       "India Daylight Time", 330},
      {});
}

std::vector<TZoneInfo> TFakeTimeZones::Zones() {
  std::vector<TZoneInfo> zones;
  for (const auto& [key, rule] : FZones) zones.push_back(rule.Info);
  return zones;
}

std::optional<TZoneInfo> TFakeTimeZones::Zone(const std::string& key) {
  const auto it = FZones.find(key);
  if (it == FZones.end()) return std::nullopt;
  return it->second.Info;
}

std::optional<TZoneState> TFakeTimeZones::StateAt(const std::string& key, TDateTime utc) {
  const auto it = FZones.find(key);
  if (it == FZones.end()) return std::nullopt;
  const TRule& rule = it->second;
  for (const auto& [start, end] : rule.Daylight) {
    if (start <= utc && utc < end) return TZoneState{rule.Info.StandardOffset + 60, true};
  }
  return TZoneState{rule.Info.StandardOffset, false};
}

TZoneState TFakeTimeZones::LocalStateAt(TDateTime utc) { return StateAt(LocalKey, utc).value_or(TZoneState{}); }

}  // namespace vkr::test
