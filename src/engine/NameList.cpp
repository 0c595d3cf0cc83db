#include "engine/NameList.h"

#include <algorithm>

#include "base/Text.h"

namespace vkr {

bool TNameList::Add(const std::string& name) {
  auto it = std::lower_bound(FItems.begin(), FItems.end(), name,
                             [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  if (it != FItems.end() && SameText(*it, name)) return false;
  FItems.insert(it, name);
  return true;
}

bool TNameList::Contains(const std::string& name) const {
  auto it = std::lower_bound(FItems.begin(), FItems.end(), name,
                             [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  return it != FItems.end() && SameText(*it, name);
}

std::string TNameList::ToText() const {
  std::string text;
  for (const std::string& name : FItems) text += name + "\r\n";
  return text;
}

void TNameList::FromText(const std::string& text) {
  FItems.clear();
  for (const std::string& line : SplitLines(text)) {
    if (!line.empty()) Add(line);
  }
}

}  // namespace vkr
