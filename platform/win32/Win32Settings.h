#pragma once
// The settings store as the registry key of the current user,
// "Software\Tesmer Software\Tarnwick": integers as REG_DWORD, texts as REG_SZ,
// each list in a sub-key as the values "File1", "File2", ... in order.
#include "storage/SettingsPort.h"

namespace vkr::win32 {

class TWin32Settings : public TSettingsPort {
 public:
  TWin32Settings();
  // Another key under the current user, for the tests.
  explicit TWin32Settings(std::wstring keyPath) : FKeyPath(std::move(keyPath)) {}

  bool Exists() override;
  std::optional<int32_t> ReadInteger(const std::string& name) override;
  std::optional<std::string> ReadString(const std::string& name) override;
  void WriteInteger(const std::string& name, int32_t value) override;
  void WriteString(const std::string& name, const std::string& value) override;
  std::vector<std::string> ReadList(const std::string& subKey) override;
  void WriteList(const std::string& subKey, const std::vector<std::string>& items) override;

 private:
  std::wstring FKeyPath;
};

}  // namespace vkr::win32
