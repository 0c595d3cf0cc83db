// The settings store in the registry: value types as stored, texts in code
// page 1252, lists replaced whole, and values of the wrong kind ignored.
#include <gtest/gtest.h>

#include "win32/RegistryKey.h"
#include "win32/Win32Settings.h"

namespace vkr::test {
namespace {

using win32::TRegistryKey;

// A key of this test run under the current user, removed afterwards.
struct Win32SettingsTest : ::testing::Test {
  const std::wstring Path = L"Software\\Velmar Tourney Bracket Tests\\" + std::to_wstring(GetCurrentProcessId());
  win32::TWin32Settings Store{Path};
  ~Win32SettingsTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, Path.c_str()); }
  TRegistryKey Key(const std::wstring& sub = L"") const {
    return TRegistryKey(HKEY_CURRENT_USER, sub.empty() ? Path : Path + L"\\" + sub, true);
  }
};

TEST_F(Win32SettingsTest, ValuesKeepTheirTypeAndText) {
  EXPECT_FALSE(Store.Exists());
  Store.WriteInteger("Left", -120);
  Store.WriteString("Host name", "Ren\xE9\x95");
  EXPECT_TRUE(Store.Exists());
  EXPECT_EQ(Store.ReadInteger("Left"), -120);
  EXPECT_EQ(Store.ReadString("Host name"), "Ren\xE9\x95");
  // As Windows programs see them: a DWORD and a UTF-16 string.
  EXPECT_EQ(Key().ReadDword(L"Left"), static_cast<uint32_t>(-120));
  EXPECT_EQ(Key().ReadString(L"Host name"), L"Ren\u00e9\u2022");
  EXPECT_EQ(Store.ReadInteger("Top"), std::nullopt);
}

TEST_F(Win32SettingsTest, AValueOfAnotherKindReadsAsMissing) {
  TRegistryKey raw = Key();
  raw.WriteString(L"Always On Top", L"1");
  raw.WriteDword(L"Host name", 7);
  const uint64_t wide = 1;
  RegSetKeyValueW(HKEY_CURRENT_USER, Path.c_str(), L"Cap Names", REG_QWORD, &wide, sizeof wide);
  RegSetKeyValueW(HKEY_CURRENT_USER, Path.c_str(), L"Four Per Table", REG_BINARY, &wide, 4);
  RegSetKeyValueW(HKEY_CURRENT_USER, Path.c_str(), L"Default location", REG_EXPAND_SZ, L"%TEMP%", 14);
  EXPECT_EQ(Store.ReadInteger("Always On Top"), std::nullopt);
  EXPECT_EQ(Store.ReadString("Host name"), std::nullopt);
  EXPECT_EQ(Store.ReadInteger("Cap Names"), std::nullopt);
  EXPECT_EQ(Store.ReadInteger("Four Per Table"), std::nullopt);
  EXPECT_EQ(Store.ReadString("Default location"), std::nullopt);
}

TEST_F(Win32SettingsTest, ListsAreReplacedWholeAndReadUpToTheFirstGap) {
  Store.WriteList("RestoreMRU", {"C:\\Cups\\one.vkr", "two.vkr", "three.vkr"});
  Store.WriteList("RestoreMRU", {"C:\\Cups\\new.vkr", "one.vkr"});
  EXPECT_EQ(Store.ReadList("RestoreMRU"), (std::vector<std::string>{"C:\\Cups\\new.vkr", "one.vkr"}));
  EXPECT_EQ(Key(L"RestoreMRU").ReadString(L"File3"), std::nullopt) << "no entry of the longer list survives";

  TRegistryKey macros = Key(L"MacroMRU");
  macros.WriteString(L"File1", L"Macros.vkm");
  macros.WriteString(L"File2", L"");
  macros.WriteString(L"File3", L"Evening.vkm");
  macros.WriteString(L"File5", L"after a gap.vkm");
  EXPECT_EQ(Store.ReadList("MacroMRU"), (std::vector<std::string>{"Macros.vkm", "Evening.vkm"}));
  EXPECT_EQ(Store.ReadList("Missing"), std::vector<std::string>{});
}

}  // namespace
}  // namespace vkr::test
