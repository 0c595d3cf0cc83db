// Time zones from the registry: the rules of "TZI" values, checked bytes,
// and the zones as Windows lists them next to the built-in ones of scripts.
#include <gtest/gtest.h>

#include <array>

#include "posix/BuiltInTimeZones.h"
#include "win32/TziRule.h"
#include "win32/Win32TimeZones.h"
#include "win32/WinApi.h"

namespace vkr::test {
namespace {

// The TZI bytes of a zone: biases, then month, weekday, week, hour of each change.
std::vector<uint8_t> Tzi(int32_t bias, int32_t standardBias, int32_t daylightBias, std::array<int, 4> standard,
                         std::array<int, 4> daylight) {
  std::vector<uint8_t> bytes(win32::kTziSize, 0);
  auto put32 = [&](size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
  };
  auto put16 = [&](size_t at, int v) {
    bytes[at] = static_cast<uint8_t>(v);
    bytes[at + 1] = static_cast<uint8_t>(v >> 8);
  };
  put32(0, bias);
  put32(4, standardBias);
  put32(8, daylightBias);
  for (size_t i = 0; i < 4; ++i) {
    put16(12 + 2 + 2 * i, standard[i]);
    put16(28 + 2 + 2 * i, daylight[i]);
  }
  return bytes;
}

TDateTime Utc(int y, int mo, int d, int h) { return EncodeDateTime(y, mo, d, h, 0, 0); }

TEST(TziRule, ReadsTheRuleAndRefusesWhatIsNone) {
  const std::optional<TZoneRule> eastern = win32::RuleFromTzi(Tzi(300, 0, -60, {11, 0, 1, 2}, {3, 0, 2, 2}));
  ASSERT_TRUE(eastern);
  EXPECT_EQ(ZoneStateByRule(*eastern, Utc(2026, 7, 1, 12)).UtcOffset, -240);
  EXPECT_EQ(ZoneStateByRule(*eastern, Utc(2026, 1, 1, 12)).UtcOffset, -300);
  const std::optional<TZoneRule> halfSaving = win32::RuleFromTzi(Tzi(-330, 0, -60, {0, 0, 0, 0}, {3, 0, 2, 2}));
  ASSERT_TRUE(halfSaving);
  EXPECT_FALSE(ZoneStateByRule(*halfSaving, Utc(2026, 7, 1, 12)).IsDaylight) << "one change alone is no saving";

  std::vector<uint8_t> shortBytes = Tzi(300, 0, -60, {11, 0, 1, 2}, {3, 0, 2, 2});
  shortBytes.pop_back();
  const std::vector<uint8_t> refused[] = {
      shortBytes,
      Tzi(300, 0, -60, {13, 0, 1, 2}, {3, 0, 2, 2}),   // month 13
      Tzi(300, 0, -60, {11, 7, 1, 2}, {3, 0, 2, 2}),   // weekday 7
      Tzi(300, 0, -60, {11, 0, 0, 2}, {3, 0, 2, 2}),   // week 0
      Tzi(300, 0, -60, {11, 0, 6, 2}, {3, 0, 2, 2}),   // week 6
      Tzi(300, 0, -60, {11, 0, 1, 24}, {3, 0, 2, 2}),  // hour 24
      Tzi(3000, 0, -60, {11, 0, 1, 2}, {3, 0, 2, 2}),  // more than a day
      Tzi(300, 0, -99999, {11, 0, 1, 2}, {3, 0, 2, 2}),
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

TEST(Win32TimeZones, TheLocalZoneFollowsGetTimeZoneInformation) {
  win32::TWin32TimeZones registry;
  TIME_ZONE_INFORMATION local{};
  const DWORD state = GetTimeZoneInformation(&local);
  const TDateTime now = [] {
    SYSTEMTIME st{};
    GetSystemTime(&st);
    return EncodeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
  }();
  const long bias = local.Bias + (state == TIME_ZONE_ID_DAYLIGHT ? local.DaylightBias : local.StandardBias);
  EXPECT_EQ(registry.LocalStateAt(now).UtcOffset, -bias);
}

}  // namespace
}  // namespace vkr::test
