#include "win32/Win32TimeZones.h"

#include "win32/RegistryKey.h"
#include "win32/TziRule.h"

namespace vkr::win32 {
namespace {

const wchar_t kZonesKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

// A zone's key with its names and rule; none when it cannot be read whole.
struct TRegistryZone {
  TZoneInfo Info;
  TZoneRule Rule;
};

std::optional<TRegistryZone> ReadZone(const std::wstring& key) {
  // A name with a separator would reach another key.
  if (key.empty() || key.find(L'\\') != std::wstring::npos) return std::nullopt;
  const TRegistryKey zone(HKEY_LOCAL_MACHINE, std::wstring(kZonesKey) + L"\\" + key);
  const auto display = zone.ReadString(L"Display"), standard = zone.ReadString(L"Std"),
             daylight = zone.ReadString(L"Dlt");
  const auto tzi = zone.ReadBinary(L"TZI", kTziSize);
  if (!display || !standard || !daylight || !tzi) return std::nullopt;
  const std::optional<TZoneRule> rule = RuleFromTzi(*tzi);
  if (!rule) return std::nullopt;
  TRegistryZone found;
  found.Info = TZoneInfo{CoreText(key), CoreText(*display), CoreText(*standard), CoreText(*daylight), -rule->Bias};
  found.Rule = *rule;
  return found;
}

TZoneChange ChangeOf(const SYSTEMTIME& date) {
  return TZoneChange{date.wMonth, date.wDayOfWeek, date.wDay, date.wHour, date.wMinute};
}

}  // namespace

std::vector<TZoneInfo> TWin32TimeZones::Zones() {
  std::vector<TZoneInfo> zones;
  for (const std::wstring& key : TRegistryKey(HKEY_LOCAL_MACHINE, kZonesKey).SubKeys()) {
    // A zone that does not read whole is left out of the list.
    if (const std::optional<TRegistryZone> zone = ReadZone(key)) zones.push_back(zone->Info);
  }
  return zones;
}

std::optional<TZoneInfo> TWin32TimeZones::Zone(const std::string& key) {
  const std::optional<TRegistryZone> zone = ReadZone(RegistryText(key));
  if (!zone) return std::nullopt;
  return zone->Info;
}

std::optional<TZoneState> TWin32TimeZones::StateAt(const std::string& key, TDateTime utc) {
  const std::optional<TRegistryZone> zone = ReadZone(RegistryText(key));
  if (!zone) return std::nullopt;
  return ZoneStateByRule(zone->Rule, utc);
}

TZoneState TWin32TimeZones::LocalStateAt(TDateTime utc) {
  TIME_ZONE_INFORMATION local{};
  if (GetTimeZoneInformation(&local) == TIME_ZONE_ID_INVALID) return TZoneState{};
  TZoneRule rule;
  rule.Bias = local.Bias + local.StandardBias;
  rule.DaylightBias = local.DaylightBias - local.StandardBias;
  if (local.StandardDate.wMonth != 0 && local.DaylightDate.wMonth != 0) {
    // In these records the day field holds the week of the month.
    rule.StandardDate = ChangeOf(local.StandardDate);
    rule.DaylightDate = ChangeOf(local.DaylightDate);
  }
  return ZoneStateByRule(rule, utc);
}

}  // namespace vkr::win32
