#include "win32/RegistryKey.h"

#include <algorithm>

#include "base/Cp1252.h"
#include "win32/WideNames.h"

namespace vkr::win32 {
namespace {

constexpr DWORD kMaxStringBytes = 32767 * sizeof(wchar_t);

}  // namespace

TRegistryKey::TRegistryKey(HKEY root, const std::wstring& path, bool create) {
  HKEY key = nullptr;
  const LONG result = create ? RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key,
                                               nullptr)
                             : RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key);
  if (result == ERROR_SUCCESS) FKey = key;
}

TRegistryKey::~TRegistryKey() {
  if (FKey != nullptr) RegCloseKey(FKey);
}

std::optional<uint32_t> TRegistryKey::ReadDword(const std::wstring& name) const {
  DWORD type = 0, value = 0, size = sizeof value;
  if (!Valid() || RegQueryValueExW(FKey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                      ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (type != REG_DWORD || size != sizeof value) return std::nullopt;
  return value;
}

std::optional<std::wstring> TRegistryKey::ReadString(const std::wstring& name) const {
  DWORD type = 0, size = 0;
  if (!Valid() || RegQueryValueExW(FKey, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (type != REG_SZ || size > kMaxStringBytes) return std::nullopt;
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  DWORD got = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(FKey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &got) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::nullopt;
  }
  // The stored text may or may not end with its zero; it ends at the first.
  text.resize(std::min<size_t>(got / sizeof(wchar_t), text.size()));
  const size_t end = text.find(L'\0');
  if (end != std::wstring::npos) text.resize(end);
  return text;
}

std::optional<std::vector<uint8_t>> TRegistryKey::ReadBinary(const std::wstring& name, size_t size) const {
  DWORD type = 0, got = 0;
  if (!Valid() || RegQueryValueExW(FKey, name.c_str(), nullptr, &type, nullptr, &got) != ERROR_SUCCESS ||
      type != REG_BINARY || got != size) {
    return std::nullopt;
  }
  std::vector<uint8_t> bytes(size);
  if (RegQueryValueExW(FKey, name.c_str(), nullptr, &type, bytes.data(), &got) != ERROR_SUCCESS || got != size) {
    return std::nullopt;
  }
  return bytes;
}

std::vector<std::wstring> TRegistryKey::SubKeys() const {
  std::vector<std::wstring> names;
  if (!Valid()) return names;
  for (DWORD i = 0;; ++i) {
    // Key names are at most 255 characters.
    wchar_t name[256];
    DWORD length = 256;
    if (RegEnumKeyExW(FKey, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

bool TRegistryKey::WriteDword(const std::wstring& name, uint32_t value) {
  const DWORD data = value;
  return Valid() &&
         RegSetValueExW(FKey, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
             ERROR_SUCCESS;
}

bool TRegistryKey::WriteString(const std::wstring& name, const std::wstring& value) {
  const DWORD size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return Valid() && RegSetValueExW(FKey, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                   size) == ERROR_SUCCESS;
}

std::wstring RegistryText(const std::string& text) {
  const std::u16string wide = Cp1252ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

std::string CoreText(const std::wstring& text) { return Utf8ToCp1252(Utf8Name(text)); }

}  // namespace vkr::win32
