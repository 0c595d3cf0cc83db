#pragma once
// The time zones the system knows, with their real rules. Zones are named by
// their Windows key names ("Eastern Standard Time"), the names the settings
// and formats store, whatever the platform's own zone ids are.
#include <optional>
#include <string>
#include <vector>

#include "base/DateTime.h"

namespace vkr {

struct TZoneInfo {
  std::string Key;            // "Eastern Standard Time"
  std::string Display;        // "(UTC-05:00) Eastern Time (US & Canada)"
  std::string StandardName;   // "Eastern Standard Time"
  std::string DaylightName;   // "Eastern Daylight Time"
  int32_t StandardOffset = 0; // minutes east of UTC in standard time
};

// A zone at one instant.
struct TZoneState {
  int32_t UtcOffset = 0;  // minutes east of UTC in force
  bool IsDaylight = false;
};

class TTimeZonePort {
 public:
  virtual ~TTimeZonePort() = default;
  // Every zone, in no particular order.
  virtual std::vector<TZoneInfo> Zones() = 0;
  // The zone with that key, or none when the system does not know it.
  virtual std::optional<TZoneInfo> Zone(const std::string& key) = 0;
  // The zone's state at a universal date-time; none for an unknown key.
  virtual std::optional<TZoneState> StateAt(const std::string& key, TDateTime utc) = 0;
  // The local zone's state at a universal date-time.
  virtual TZoneState LocalStateAt(TDateTime utc) = 0;
};

}  // namespace vkr
