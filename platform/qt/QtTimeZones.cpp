#include "qt/QtTimeZones.h"

#include <QDateTime>
#include <set>

#include "qt/QtText.h"

namespace vkr {
namespace {

constexpr double kUnixEpochDays = 25569.0;  // 1 January 1970 in days since 30 December 1899

QDateTime FromUtc(TDateTime utc) {
  return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>((utc - kUnixEpochDays) * 86400000.0), Qt::UTC);
}

TZoneState StateOf(const QTimeZone& zone, TDateTime utc) {
  const QDateTime at = FromUtc(utc);
  return TZoneState{zone.offsetFromUtc(at) / 60, zone.isDaylightTime(at)};
}

// "(UTC-05:00)" as Windows heads its zone names.
std::string OffsetText(int minutes) {
  const int a = minutes < 0 ? -minutes : minutes;
  return QStringLiteral("(UTC%1%2:%3)")
      .arg(minutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
      .arg(a / 60, 2, 10, QLatin1Char('0'))
      .arg(a % 60, 2, 10, QLatin1Char('0'))
      .toStdString();
}

// Windows names a zone's daylight time like its standard time, with
// "Daylight" for "Standard"; the clocks abbreviate these names.
std::string DaylightNameOf(const std::string& key) {
  std::string name = key;
  const size_t at = name.find("Standard");
  if (at != std::string::npos) name.replace(at, 8, "Daylight");
  return name;
}

// Zones the database has renamed while Qt's Windows-id table keeps the old
// name; without these their Windows keys (India Standard Time, ...) would be
// missing from the list.
constexpr const char* kOldNames[] = {"Asia/Calcutta", "Asia/Katmandu", "Asia/Rangoon", "Asia/Saigon",
                                     "Atlantic/Faeroe", "America/Godthab", "Europe/Kiev", "Pacific/Enderbury"};

}  // namespace

const QTimeZone& TQtTimeZones::Find(const std::string& key) {
  auto it = FZones.find(key);
  if (it == FZones.end()) {
    const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(QByteArray::fromStdString(key));
    it = FZones.emplace(key, iana.isEmpty() ? QTimeZone() : QTimeZone(iana)).first;
  }
  return it->second;
}

std::vector<TZoneInfo> TQtTimeZones::Zones() {
  std::set<std::string> keys;
  QList<QByteArray> ids = QTimeZone::availableTimeZoneIds();
  for (const char* old : kOldNames) ids.append(old);
  for (const QByteArray& iana : ids) {
    const QByteArray windows = QTimeZone::ianaIdToWindowsId(iana);
    if (!windows.isEmpty()) keys.insert(windows.toStdString());
  }
  std::vector<TZoneInfo> zones;
  for (const std::string& key : keys) {
    if (std::optional<TZoneInfo> zone = Zone(key)) zones.push_back(std::move(*zone));
  }
  return zones;
}

std::optional<TZoneInfo> TQtTimeZones::Zone(const std::string& key) {
  const QTimeZone& zone = Find(key);
  if (!zone.isValid()) return std::nullopt;
  const int offset = zone.standardTimeOffset(QDateTime::currentDateTimeUtc()) / 60;
  std::string place = FromQt(zone.displayName(QTimeZone::GenericTime, QTimeZone::LongName));
  if (place.empty()) place = key;
  return TZoneInfo{key, OffsetText(offset) + " " + place, key, DaylightNameOf(key), offset};
}

std::optional<TZoneState> TQtTimeZones::StateAt(const std::string& key, TDateTime utc) {
  const QTimeZone& zone = Find(key);
  if (!zone.isValid()) return std::nullopt;
  return StateOf(zone, utc);
}

TZoneState TQtTimeZones::LocalStateAt(TDateTime utc) { return StateOf(QTimeZone::systemTimeZone(), utc); }

}  // namespace vkr
