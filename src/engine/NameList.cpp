#include "engine/NameList.h"

#include <algorithm>

#include "base/Text.h"

namespace vkr {

namespace {

std::vector<std::string>::const_iterator SortedPlace(const std::vector<std::string>& items, const std::string& name) {
  return std::lower_bound(items.begin(), items.end(), name,
                          [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
}

}  // namespace

bool TNameList::Add(const std::string& name) {
  auto it = SortedPlace(FItems, name);
  if (it != FItems.end() && SameText(*it, name)) return false;
  FItems.insert(it, name);
  return true;
}

bool TNameList::Contains(const std::string& name) const { return IndexOf(name) >= 0; }

int TNameList::IndexOf(const std::string& name) const {
  auto it = SortedPlace(FItems, name);
  if (it == FItems.end() || !SameText(*it, name)) return -1;
  return static_cast<int>(it - FItems.begin());
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
