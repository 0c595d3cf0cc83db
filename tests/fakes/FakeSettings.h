#pragma once
// A settings store in memory that keeps each value's type, as the registry does.
#include <map>
#include <variant>

#include "storage/SettingsPort.h"

namespace vkr::test {

class TFakeSettings : public TSettingsPort {
 public:
  std::map<std::string, std::variant<int32_t, std::string>> Values;
  std::map<std::string, std::vector<std::string>> Lists;

  bool Exists() override { return !Values.empty() || !Lists.empty(); }
  std::optional<int32_t> ReadInteger(const std::string& name) override {
    auto it = Values.find(name);
    if (it == Values.end() || !std::holds_alternative<int32_t>(it->second)) return std::nullopt;
    return std::get<int32_t>(it->second);
  }
  std::optional<std::string> ReadString(const std::string& name) override {
    auto it = Values.find(name);
    if (it == Values.end() || !std::holds_alternative<std::string>(it->second)) return std::nullopt;
    return std::get<std::string>(it->second);
  }
  void WriteInteger(const std::string& name, int32_t value) override { Values[name] = value; }
  void WriteString(const std::string& name, const std::string& value) override { Values[name] = value; }
  std::vector<std::string> ReadList(const std::string& subKey) override { return Lists[subKey]; }
  void WriteList(const std::string& subKey, const std::vector<std::string>& items) override { Lists[subKey] = items; }
};

}  // namespace vkr::test
