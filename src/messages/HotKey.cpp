#include "messages/HotKey.h"

#include <array>

#include "base/Text.h"

namespace vkr {
namespace {

constexpr int kMaxFunctionKey = 24;

// Spellings of the named keys; the first of each row is the canonical one.
constexpr std::array<std::array<const char*, 3>, 16> kNamedKeys{{
    {"BkSp", "Backspace", nullptr},
    {"Tab", nullptr, nullptr},
    {"Enter", "Return", nullptr},
    {"Esc", "Escape", nullptr},
    {"Space", nullptr, nullptr},
    {"PgUp", "PageUp", nullptr},
    {"PgDn", "PgDown", "PageDown"},
    {"End", nullptr, nullptr},
    {"Home", nullptr, nullptr},
    {"Left", nullptr, nullptr},
    {"Up", nullptr, nullptr},
    {"Right", nullptr, nullptr},
    {"Down", nullptr, nullptr},
    {"Ins", "Insert", nullptr},
    {"Del", "Delete", nullptr},
    {"Pause", nullptr, nullptr},
}};

// The canonical name of a key, or empty when there is no such key.
std::string KeyName(std::string_view key) {
  if (key.size() == 1) {
    char c = UpperAnsiChar(key[0]);
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return std::string(1, c);
    return {};
  }
  if (key.size() <= 3 && (key[0] == 'F' || key[0] == 'f')) {
    int32_t n = 0;
    if (key[1] != '0' && key[1] != '+' && key[1] != '-' && TryParseInt(key.substr(1), n) && n >= 1 &&
        n <= kMaxFunctionKey) {
      return "F" + std::to_string(n);
    }
    return {};
  }
  for (const auto& spellings : kNamedKeys) {
    for (const char* spelling : spellings) {
      if (spelling != nullptr && SameText(key, spelling)) return spellings[0];
    }
  }
  return {};
}

}  // namespace

std::string NormalizeHotKey(std::string_view text) {
  bool shift = false, ctrl = false, alt = false;
  size_t start = 0;
  for (size_t plus = text.find('+'); plus != std::string_view::npos; plus = text.find('+', start)) {
    std::string_view modifier = text.substr(start, plus - start);
    bool* flag = SameText(modifier, "Shift") ? &shift
                 : SameText(modifier, "Ctrl") ? &ctrl
                 : SameText(modifier, "Alt")  ? &alt
                                              : nullptr;
    if (flag == nullptr || *flag) return {};
    *flag = true;
    start = plus + 1;
  }
  std::string key = KeyName(text.substr(start));
  if (key.empty()) return {};
  return std::string(shift ? "Shift+" : "") + (ctrl ? "Ctrl+" : "") + (alt ? "Alt+" : "") + key;
}

}  // namespace vkr
