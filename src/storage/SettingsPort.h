#pragma once
// The host's settings store, shaped like the registry key it stands for:
// named values of integer or string type, and sub-keys holding lists.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vkr {

class TSettingsPort {
 public:
  virtual ~TSettingsPort() = default;
  // Whether the settings were ever written on this machine.
  virtual bool Exists() = 0;
  // A value of the other type (or none) gives nothing.
  virtual std::optional<int32_t> ReadInteger(const std::string& name) = 0;
  virtual std::optional<std::string> ReadString(const std::string& name) = 0;
  virtual void WriteInteger(const std::string& name, int32_t value) = 0;
  virtual void WriteString(const std::string& name, const std::string& value) = 0;
  // The list kept in a sub-key, in order.
  virtual std::vector<std::string> ReadList(const std::string& subKey) = 0;
  virtual void WriteList(const std::string& subKey, const std::vector<std::string>& items) = 0;
};

}  // namespace vkr
