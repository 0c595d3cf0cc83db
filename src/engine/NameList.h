#pragma once
// A sorted list of names without duplicates, both compared without regard to
// case: the banned-players and recent-players lists.
#include <cstddef>
#include <string>
#include <vector>

namespace vkr {

class TNameList {
 public:
  // Inserts in sorted place unless an equal name (case ignored) is present.
  bool Add(const std::string& name);
  bool Contains(const std::string& name) const;
  // The position of an equal name (case ignored), or -1.
  int IndexOf(const std::string& name) const;
  void RemoveAt(size_t index) { FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(index)); }
  void Clear() { FItems.clear(); }
  const std::vector<std::string>& Items() const { return FItems; }
  // The file form: one name per line, CR LF after each.
  std::string ToText() const;
  void FromText(const std::string& text);

 private:
  std::vector<std::string> FItems;
};

}  // namespace vkr
