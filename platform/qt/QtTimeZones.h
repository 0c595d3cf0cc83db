#pragma once
// Time zones from the system's zone database through QTimeZone. Zones keep
// their Windows key names ("Eastern Standard Time"), mapped to the database's
// ids by Qt's Windows-id table, so settings and formats written on Windows
// mean the same zone here.
#include <QTimeZone>
#include <map>

#include "timing/TimeZonePort.h"

namespace vkr {

class TQtTimeZones : public TTimeZonePort {
 public:
  std::vector<TZoneInfo> Zones() override;
  std::optional<TZoneInfo> Zone(const std::string& key) override;
  std::optional<TZoneState> StateAt(const std::string& key, TDateTime utc) override;
  TZoneState LocalStateAt(TDateTime utc) override;

 private:
  // The zone of a Windows key; invalid when the key maps to none.
  const QTimeZone& Find(const std::string& key);
  std::map<std::string, QTimeZone> FZones;
};

}  // namespace vkr
