#pragma once
// One open registry key, closed with the object. Every read checks the
// value's type and size, so a value of the wrong kind reads as missing.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "win32/WinApi.h"

namespace vkr::win32 {

class TRegistryKey {
 public:
  // Opens root\path for reading, or, with create, opens or creates it for
  // writing. Valid() tells whether that worked.
  TRegistryKey(HKEY root, const std::wstring& path, bool create = false);
  ~TRegistryKey();
  TRegistryKey(const TRegistryKey&) = delete;
  TRegistryKey& operator=(const TRegistryKey&) = delete;

  bool Valid() const { return FKey != nullptr; }
  std::optional<uint32_t> ReadDword(const std::wstring& name) const;
  // A REG_SZ value of at most 32767 characters.
  std::optional<std::wstring> ReadString(const std::wstring& name) const;
  // A REG_BINARY value of exactly size bytes.
  std::optional<std::vector<uint8_t>> ReadBinary(const std::wstring& name, size_t size) const;
  std::vector<std::wstring> SubKeys() const;
  bool WriteDword(const std::wstring& name, uint32_t value);
  bool WriteString(const std::wstring& name, const std::wstring& value);

 private:
  HKEY FKey = nullptr;
};

// Text of the core (code page 1252) and the registry's UTF-16.
std::wstring RegistryText(const std::string& text);
std::string CoreText(const std::wstring& text);

}  // namespace vkr::win32
