#include "lobby/FriendsList.h"

#include "base/Text.h"

namespace vkr {

bool ReadFriendsSection(std::string_view bytes, std::vector<std::string>& names) {
  if (bytes.size() > kMaxFriendsFileBytes) return false;
  const std::vector<std::string> lines = SplitLines(bytes);
  size_t line = 0;
  while (line < lines.size() && !SameText(Trim(lines[line]), "[Friends]")) ++line;
  if (line == lines.size()) return false;
  std::vector<std::string> found;
  for (++line; line < lines.size() && !StartsWith(lines[line], "["); ++line) {
    if (Trim(lines[line]).empty()) continue;
    if (found.size() == kMaxFriends) return false;
    found.push_back(lines[line]);
  }
  names = std::move(found);
  return true;
}

std::string FriendsFileText(const std::vector<std::string>& names) {
  std::string text = "[Friends]\r\n";
  for (const std::string& name : names) text += name + "\r\n";
  return text;
}

}  // namespace vkr
