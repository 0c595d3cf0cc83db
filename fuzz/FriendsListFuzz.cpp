// The friends-list reader on any bytes: never a crash, and a list it reads
// is written and read back to the same names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lobby/FriendsList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> names;
  if (!vkr::ReadFriendsSection(std::string_view(reinterpret_cast<const char*>(data), size), names)) return 0;
  std::vector<std::string> back;
  if (!vkr::ReadFriendsSection(vkr::FriendsFileText(names), back) || back != names) std::abort();
  return 0;
}
