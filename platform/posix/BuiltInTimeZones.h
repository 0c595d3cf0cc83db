#pragma once
// Time zones for systems without a zone list of the Windows kind: the common
// zones under their Windows key names, with their present yearly rules.
#include <string>

#include "timing/TimeZonePort.h"

namespace vkr {

class TBuiltInTimeZones : public TTimeZonePort {
 public:
  // The local zone's key.
  explicit TBuiltInTimeZones(std::string localKey = "UTC") : FLocalKey(std::move(localKey)) {}
  std::vector<TZoneInfo> Zones() override;
  std::optional<TZoneInfo> Zone(const std::string& key) override;
  std::optional<TZoneState> StateAt(const std::string& key, TDateTime utc) override;
  TZoneState LocalStateAt(TDateTime utc) override;

 private:
  std::string FLocalKey;
};

}  // namespace vkr
