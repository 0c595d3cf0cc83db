#pragma once
// The lobby client's friends-list file: read as hostile input, written as
// the "[Friends]" section alone.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vkr {

// A larger file, or a list of more names, is not a friends list.
inline constexpr size_t kMaxFriendsFileBytes = 1 << 20;
inline constexpr size_t kMaxFriends = 2000;

// The names of the section that starts with the line "[Friends]" (case
// ignored) and runs to the next line beginning with "[": every line that is
// not blank. False, and names unchanged, when the section is missing or the
// file is too large to be a friends list.
bool ReadFriendsSection(std::string_view bytes, std::vector<std::string>& names);
// "[Friends]" and each name, every line ending with CR LF.
std::string FriendsFileText(const std::vector<std::string>& names);

}  // namespace vkr
