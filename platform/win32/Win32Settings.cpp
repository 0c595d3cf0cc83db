#include "win32/Win32Settings.h"

#include "win32/RegistryKey.h"

namespace vkr::win32 {
namespace {

// More entries than any recent-files list holds: the rest is not read.
constexpr int kMaxListItems = 100;

// A sub-key's path; names with a separator could reach other keys.
std::wstring SubKeyPath(const std::wstring& key, const std::string& subKey) {
  std::wstring name = RegistryText(subKey);
  for (wchar_t& c : name) {
    if (c == L'\\') c = L'_';
  }
  return key + L"\\" + name;
}

}  // namespace

TWin32Settings::TWin32Settings() : FKeyPath(L"Software\\Tesmer Software\\Tarnwick") {}

bool TWin32Settings::Exists() { return TRegistryKey(HKEY_CURRENT_USER, FKeyPath).Valid(); }

std::optional<int32_t> TWin32Settings::ReadInteger(const std::string& name) {
  const std::optional<uint32_t> value = TRegistryKey(HKEY_CURRENT_USER, FKeyPath).ReadDword(RegistryText(name));
  if (!value) return std::nullopt;
  return static_cast<int32_t>(*value);
}

std::optional<std::string> TWin32Settings::ReadString(const std::string& name) {
  const std::optional<std::wstring> value = TRegistryKey(HKEY_CURRENT_USER, FKeyPath).ReadString(RegistryText(name));
  if (!value) return std::nullopt;
  return CoreText(*value);
}

void TWin32Settings::WriteInteger(const std::string& name, int32_t value) {
  TRegistryKey(HKEY_CURRENT_USER, FKeyPath, true).WriteDword(RegistryText(name), static_cast<uint32_t>(value));
}

void TWin32Settings::WriteString(const std::string& name, const std::string& value) {
  TRegistryKey(HKEY_CURRENT_USER, FKeyPath, true).WriteString(RegistryText(name), RegistryText(value));
}

std::vector<std::string> TWin32Settings::ReadList(const std::string& subKey) {
  const TRegistryKey key(HKEY_CURRENT_USER, SubKeyPath(FKeyPath, subKey));
  std::vector<std::string> items;
  for (int i = 1; i <= kMaxListItems; ++i) {
    const std::optional<std::wstring> item = key.ReadString(L"File" + std::to_wstring(i));
    if (!item) break;
    if (!item->empty()) items.push_back(CoreText(*item));
  }
  return items;
}

void TWin32Settings::WriteList(const std::string& subKey, const std::vector<std::string>& items) {
  const std::wstring path = SubKeyPath(FKeyPath, subKey);
  // The whole list anew, so no entry of a longer old list survives.
  RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
  TRegistryKey key(HKEY_CURRENT_USER, path, true);
  for (size_t i = 0; i < items.size(); ++i) key.WriteString(L"File" + std::to_wstring(i + 1), RegistryText(items[i]));
}

}  // namespace vkr::win32
