#include "timing/ZoneClocks.h"

#include <algorithm>
#include <optional>

#include "base/Text.h"
#include "engine/Tourney.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

constexpr double kMinutesPerDay = 1440.0;

std::string ClockTime(TDateTime value, bool hour24) {
  const TDateParts p = DecodeDateTime(value);
  if (hour24) return Sprintf("%.2d:%.2d", p.Hour, p.Minute);
  const int hour = p.Hour % 12 == 0 ? 12 : p.Hour % 12;
  return Sprintf("%d:%.2d %s", hour, p.Minute, p.Hour < 12 ? "am" : "pm");
}

std::string LabelOf(const std::string& abbreviation) { return " " + abbreviation + ": "; }

// The zone's offset from local time (days to subtract from the local time),
// and whether its daylight time is in force; none for an unknown zone.
std::optional<std::pair<double, bool>> OffsetNow(TTourney& t, const std::string& key) {
  TTimeZonePort* zones = t.Ports.TimeZones;
  if (zones == nullptr || key.empty()) return std::nullopt;
  const TDateTime utc = t.Ports.Clock->UtcNow();
  const std::optional<TZoneState> zone = zones->StateAt(key, utc);
  if (!zone) return std::nullopt;
  const TZoneState local = zones->LocalStateAt(utc);
  return std::pair{(local.UtcOffset - zone->UtcOffset) / kMinutesPerDay, zone->IsDaylight};
}

void RefreshClock(TTourney& t, size_t which) {
  TZoneClock& clock = t.Timing.ZoneClocks[which];
  t.ExtraClockOffsets[which] = 0;
  clock.Label.clear();
  if (!clock.Known) return;
  const auto offset = OffsetNow(t, clock.ZoneKey);
  if (!offset) return;
  t.ExtraClockOffsets[which] = offset->first;
  clock.Label = LabelOf(offset->second ? clock.DaylightAbbreviation : clock.StandardAbbreviation);
}

}  // namespace

std::string AbbreviateZoneName(const std::string& text) {
  std::string s = text;
  for (size_t pos = 1; pos + 1 <= s.size(); ++pos) {
    const size_t space = s.find(' ');
    if (space == std::string::npos) s.erase(pos);
    else if (space >= pos) s.erase(pos, space - pos + 1);
  }
  return s;
}

void LoadZoneClocks(TTourney& t) {
  for (size_t which = 0; which < 2; ++which) {
    TZoneClock& clock = t.Timing.ZoneClocks[which];
    clock.Known = false;
    if (t.Ports.TimeZones != nullptr && !clock.ZoneKey.empty()) {
      if (const std::optional<TZoneInfo> zone = t.Ports.TimeZones->Zone(clock.ZoneKey)) {
        clock.Known = true;
        clock.StandardAbbreviation = AbbreviateZoneName(zone->StandardName);
        clock.DaylightAbbreviation = AbbreviateZoneName(zone->DaylightName);
      }
    }
    RefreshClock(t, which);
  }
}

void UpdateStatusClocks(TTourney& t, TDateTime now) {
  TClockPort& clock = *t.Ports.Clock;
  auto& panels = t.Timing.StatusClocks;
  panels[0] = " Local: " + clock.ShortTime(now);
  for (size_t which = 0; which < 2; ++which) {
    RefreshClock(t, which);
    const TZoneClock& zone = t.Timing.ZoneClocks[which];
    const TDateTime there = now - t.ExtraClockOffsets[which];
    // A clock without a zone shows the plain local date and time.
    panels[which + 1] = zone.Label.empty() ? clock.ShortDate(there) + " " + clock.LongTime(there)
                                           : zone.Label + ClockTime(there, zone.Hour24);
  }
}

std::vector<TZoneInfo> ZoneChoices(TTourney& t) {
  if (t.Ports.TimeZones == nullptr) return {};
  std::vector<TZoneInfo> zones = t.Ports.TimeZones->Zones();
  std::stable_sort(zones.begin(), zones.end(), [](const TZoneInfo& a, const TZoneInfo& b) {
    if (a.StandardOffset != b.StandardOffset) return a.StandardOffset < b.StandardOffset;
    return a.Display < b.Display;
  });
  return zones;
}

std::string ZoneClockPreview(TTourney& t, const std::string& key, bool hour24) {
  const TDateTime now = t.Ports.Clock->Now();
  const std::optional<TZoneInfo> zone = t.Ports.TimeZones ? t.Ports.TimeZones->Zone(key) : std::nullopt;
  const auto offset = OffsetNow(t, key);
  if (!zone || !offset) return {};
  const std::string& name = offset->second ? zone->DaylightName : zone->StandardName;
  return LabelOf(AbbreviateZoneName(name)) + ClockTime(now - offset->first, hour24);
}

void ChooseZoneClocks(TTourney& t, const std::string& middleKey, bool middle24, const std::string& rightKey,
                      bool right24) {
  auto& clocks = t.Timing.ZoneClocks;
  clocks[0].ZoneKey = middleKey;
  clocks[0].Hour24 = middle24;
  clocks[1].ZoneKey = rightKey;
  clocks[1].Hour24 = right24;
  LoadZoneClocks(t);
}

}  // namespace vkr
