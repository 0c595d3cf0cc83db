#pragma once
// Time zones with fixed rules: each zone's daylight periods of 2025 to 2027
// written out as universal instants, so tests see real changes (the United
// States and Europe in spring and autumn, Sydney the other way round) without
// any zone database.
#include <map>
#include <utility>
#include <vector>

#include "timing/TimeZonePort.h"

namespace vkr::test {

class TFakeTimeZones : public TTimeZonePort {
 public:
  TFakeTimeZones();
  // The local zone's key; "UTC" has no daylight saving.
  std::string LocalKey = "Eastern Standard Time";

  std::vector<TZoneInfo> Zones() override;
  std::optional<TZoneInfo> Zone(const std::string& key) override;
  std::optional<TZoneState> StateAt(const std::string& key, TDateTime utc) override;
  TZoneState LocalStateAt(TDateTime utc) override;

 private:
  struct TRule {
    TZoneInfo Info;
    std::vector<std::pair<TDateTime, TDateTime>> Daylight;  // [start, end) in universal time
  };
  std::map<std::string, TRule> FZones;
};

}  // namespace vkr::test
