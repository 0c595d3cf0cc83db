#pragma once
// The time zones of the Windows registry ("Time Zones" under the local
// machine, read only), with the rules of their "TZI" values, and the local
// zone from GetTimeZoneInformation.
#include "timing/TimeZonePort.h"

namespace vkr::win32 {

class TWin32TimeZones : public TTimeZonePort {
 public:
  std::vector<TZoneInfo> Zones() override;
  std::optional<TZoneInfo> Zone(const std::string& key) override;
  std::optional<TZoneState> StateAt(const std::string& key, TDateTime utc) override;
  TZoneState LocalStateAt(TDateTime utc) override;
};

}  // namespace vkr::win32
