#include "qt/QtSettings.h"

#include "qt/QtText.h"

namespace vkr {

namespace {

// QSettings reads "/" and "\" as group separators; the names have neither,
// but a name from elsewhere must not reach another group.
QString Key(const std::string& name) {
  QString key = ToQt(name);
  key.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
  return key;
}

}  // namespace

TQtSettings::TQtSettings()
    : FStore(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tesmer Software"), QStringLiteral("Tarnwick")) {}

TQtSettings::TQtSettings(const QString& iniFile) : FStore(iniFile, QSettings::IniFormat) {}

bool TQtSettings::Exists() { return !FStore.allKeys().isEmpty(); }

std::optional<int32_t> TQtSettings::ReadInteger(const std::string& name) {
  const QVariant value = FStore.value(Key(name));
  if (!value.isValid()) return std::nullopt;
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return number;
}

std::optional<std::string> TQtSettings::ReadString(const std::string& name) {
  const QVariant value = FStore.value(Key(name));
  if (!value.isValid()) return std::nullopt;
  return FromQt(value.toString());
}

void TQtSettings::WriteInteger(const std::string& name, int32_t value) { FStore.setValue(Key(name), value); }

void TQtSettings::WriteString(const std::string& name, const std::string& value) {
  FStore.setValue(Key(name), ToQt(value));
}

std::vector<std::string> TQtSettings::ReadList(const std::string& subKey) {
  std::vector<std::string> items;
  const int count = FStore.beginReadArray(Key(subKey));
  for (int i = 0; i < count && i < 100; ++i) {
    FStore.setArrayIndex(i);
    const QString item = FStore.value(QStringLiteral("File")).toString();
    if (!item.isEmpty()) items.push_back(FromQt(item));
  }
  FStore.endArray();
  return items;
}

void TQtSettings::WriteList(const std::string& subKey, const std::vector<std::string>& items) {
  FStore.remove(Key(subKey));
  FStore.beginWriteArray(Key(subKey), static_cast<int>(items.size()));
  for (size_t i = 0; i < items.size(); ++i) {
    FStore.setArrayIndex(static_cast<int>(i));
    FStore.setValue(QStringLiteral("File"), ToQt(items[i]));
  }
  FStore.endArray();
}

}  // namespace vkr
