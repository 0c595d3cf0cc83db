#include "messages/MacroSections.h"

#include <unordered_set>

#include "base/Text.h"
#include "formats/MessageFile.h"

namespace vkr {
namespace {

// "Line" and the line number, as the older layout wrote its keys.
bool IsOlderLayoutKey(const std::string& key) {
  if (key.size() <= 4 || !StartsWith(key, "Line")) return false;
  for (size_t i = 4; i < key.size(); ++i) {
    if (key[i] < '0' || key[i] > '9') return false;
  }
  return true;
}

}  // namespace

bool IsMacroSection(const std::string& name) {
  return !name.empty() && !SameText(name, kToolbarSection) && !SameText(name, kHotKeysSection);
}

std::string KeyOfLine(const std::string& line) { return line.substr(0, line.find('=')); }

std::string ValueOfLine(const std::string& line) {
  size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

std::vector<TToolbarEntry> ReadToolbarSection(const TMessageFile& file) {
  std::vector<TToolbarEntry> entries;
  const std::vector<std::string>* lines = file.FindSection(kToolbarSection);
  if (lines == nullptr || lines->empty()) return entries;
  std::unordered_set<std::string> macros;
  for (int i = 0; i < file.SectionCount(); ++i) {
    if (IsMacroSection(file.SectionName(i))) macros.insert(UpperAnsi(file.SectionName(i)));
  }
  const bool olderLayout = IsOlderLayoutKey(KeyOfLine(lines->front()));
  for (const std::string& line : *lines) {
    std::string key = KeyOfLine(line);
    std::string value = ValueOfLine(line);
    if (key.empty()) continue;
    TToolbarEntry entry{olderLayout ? value : key, value};
    if (macros.count(UpperAnsi(entry.Macro)) != 0) entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace vkr
