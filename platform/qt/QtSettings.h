#pragma once
// The settings store as an INI file in the user's configuration folder
// ("Tesmer Software/Tarnwick.ini"), with the value names of the registry key
// it stands for. INI text has no types: a value counts as an integer when
// its whole text is a whole number.
#include <QSettings>

#include "storage/SettingsPort.h"

namespace vkr {

class TQtSettings : public TSettingsPort {
 public:
  TQtSettings();
  // A store in a given file, for tests and portable use.
  explicit TQtSettings(const QString& iniFile);

  bool Exists() override;
  std::optional<int32_t> ReadInteger(const std::string& name) override;
  std::optional<std::string> ReadString(const std::string& name) override;
  void WriteInteger(const std::string& name, int32_t value) override;
  void WriteString(const std::string& name, const std::string& value) override;
  std::vector<std::string> ReadList(const std::string& subKey) override;
  void WriteList(const std::string& subKey, const std::vector<std::string>& items) override;

 private:
  QSettings FStore;
};

}  // namespace vkr
