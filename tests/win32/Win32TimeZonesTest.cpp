// Time zones from the registry: the rules of "TZI" values, checked bytes,
// the zones as Windows lists them next to the built-in ones of scripts, and
// the local zone with the clock's local and universal time.
#include <gtest/gtest.h>

#include <array>

#include "posix/BuiltInTimeZones.h"
#include "win32/TziRule.h"
#include "win32/Win32Clock.h"
#include "win32/Win32TimeZones.h"
#include "win32/WinApi.h"

namespace vkr::test {
namespace {

// The TZI bytes of a zone, laid out as Windows stores them: the biases, then
// each change as a SYSTEMTIME holding month, weekday, week and hour.
std::vector<uint8_t> Tzi(LONG bias, LONG daylightBias, std::array<WORD, 4> standard, std::array<WORD, 4> daylight) {
  struct {
    LONG Bias, StandardBias, DaylightBias;
    SYSTEMTIME StandardDate, DaylightDate;
  } tzi{bias, 0, daylightBias, {0, standard[0], standard[1], standard[2], standard[3], 0, 0, 0},
        {0, daylight[0], daylight[1], daylight[2], daylight[3], 0, 0, 0}};
  static_assert(sizeof tzi == win32::kTziSize);
  const auto* bytes = reinterpret_cast<const uint8_t*>(&tzi);
  return {bytes, bytes + sizeof tzi};
}

TDateTime Utc(int y, int mo, int d, int h) { return EncodeDateTime(y, mo, d, h, 0, 0); }

TEST(TziRule, ReadsTheRuleAndRefusesWhatIsNone) {
  const std::optional<TZoneRule> eastern = win32::RuleFromTzi(Tzi(300, -60, {11, 0, 1, 2}, {3, 0, 2, 2}));
  ASSERT_TRUE(eastern);
  EXPECT_EQ(ZoneStateByRule(*eastern, Utc(2026, 7, 1, 12)).UtcOffset, -240);
  EXPECT_EQ(ZoneStateByRule(*eastern, Utc(2026, 1, 1, 12)).UtcOffset, -300);
  const std::optional<TZoneRule> halfSaving = win32::RuleFromTzi(Tzi(-330, -60, {0, 0, 0, 0}, {3, 0, 2, 2}));
  ASSERT_TRUE(halfSaving);
  EXPECT_FALSE(ZoneStateByRule(*halfSaving, Utc(2026, 7, 1, 12)).IsDaylight) << "one change alone is no saving";

  std::vector<uint8_t> shortBytes = Tzi(300, -60, {11, 0, 1, 2}, {3, 0, 2, 2});
  shortBytes.pop_back();
  const std::vector<uint8_t> refused[] = {
      shortBytes,
      Tzi(300, -60, {13, 0, 1, 2}, {3, 0, 2, 2}),   // month 13
      Tzi(300, -60, {11, 7, 1, 2}, {3, 0, 2, 2}),   // weekday 7
      Tzi(300, -60, {11, 0, 0, 2}, {3, 0, 2, 2}),   // week 0
      Tzi(300, -60, {11, 0, 6, 2}, {3, 0, 2, 2}),   // week 6
      Tzi(300, -60, {11, 0, 1, 24}, {3, 0, 2, 2}),  // hour 24
      Tzi(3000, -60, {11, 0, 1, 2}, {3, 0, 2, 2}),  // more than a day
      Tzi(300, -99999, {11, 0, 1, 2}, {3, 0, 2, 2}),
  };
  for (const std::vector<uint8_t>& bytes : refused) EXPECT_FALSE(win32::RuleFromTzi(bytes));
}

TEST(Win32TimeZones, TheRegistryZonesAgreeWithTheBuiltInOnes) {
  win32::TWin32TimeZones registry;
  TBuiltInTimeZones builtIn;
  const std::vector<TZoneInfo> zones = registry.Zones();
  EXPECT_GT(zones.size(), 50u);
  const std::optional<TZoneInfo> eastern = registry.Zone("Eastern Standard Time");
  ASSERT_TRUE(eastern);
  EXPECT_EQ(eastern->StandardOffset, -300);
  EXPECT_EQ(eastern->DaylightName, "Eastern Daylight Time");
  EXPECT_NE(eastern->Display.find("Eastern Time"), std::string::npos) << eastern->Display;
  const TDateTime instants[] = {Utc(2026, 1, 15, 12), Utc(2026, 3, 8, 6), Utc(2026, 3, 8, 8), Utc(2026, 7, 15, 12),
                                Utc(2026, 10, 25, 0), Utc(2026, 10, 25, 2), Utc(2026, 11, 1, 7)};
  for (const char* key : {"Eastern Standard Time", "Pacific Standard Time", "GMT Standard Time",
                          "W. Europe Standard Time", "India Standard Time"}) {
    for (TDateTime at : instants) {
      const std::optional<TZoneState> want = builtIn.StateAt(key, at), got = registry.StateAt(key, at);
      ASSERT_TRUE(want && got) << key;
      EXPECT_EQ(got->UtcOffset, want->UtcOffset) << key << " at " << at;
      EXPECT_EQ(got->IsDaylight, want->IsDaylight) << key << " at " << at;
    }
  }
  for (const char* unknown : {"No Such Zone", "", "..\\Time Zones", "Eastern Standard Time\\TZI"}) {
    EXPECT_FALSE(registry.Zone(unknown)) << unknown;
    EXPECT_FALSE(registry.StateAt(unknown, instants[0])) << unknown;
  }
}

// The clock's local and universal time, and the local zone, as Windows gives them.
TEST(Win32TimeZones, TheLocalZoneAndTheClockFollowGetTimeZoneInformation) {
  TIME_ZONE_INFORMATION local{};
  const DWORD state = GetTimeZoneInformation(&local);
  const long bias = local.Bias + (state == TIME_ZONE_ID_DAYLIGHT ? local.DaylightBias : local.StandardBias);
  win32::TWin32Clock clock;
  const TDateTime utc = clock.UtcNow(), now = clock.Now();
  EXPECT_EQ(win32::TWin32TimeZones().LocalStateAt(utc).UtcOffset, -bias);
  // Taken a moment apart: within a minute of the bias.
  EXPECT_NEAR((utc - now) * 1440.0, static_cast<double>(bias), 1.0);
}

}  // namespace
}  // namespace vkr::test
