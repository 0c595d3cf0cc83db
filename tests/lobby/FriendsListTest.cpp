// The friends-list file as the lobby client writes it, read as hostile input
// (the file rapid assign writes back is pinned in its own test).
#include <gtest/gtest.h>

#include "lobby/FriendsList.h"

namespace vkr {
namespace {

using S = std::vector<std::string>;

TEST(FriendsList, SectionIsFoundAndEndsAtTheNextSection) {
  struct TCase {
    const char* Why;
    std::string File;
    bool Found;
    S Names;
  } cases[] = {
      {"blank line between names, another section after",
       "[Options]\r\nx=1\r\n[Friends]\r\nAlice\r\n\r\nBob\r\n[Ignore]\r\nMallory\r\n", true, {"Alice", "Bob"}},
      {"header in any case, bare LF and CR line ends", "[fRiEnDs]\nAlice\rBob", true, {"Alice", "Bob"}},
      {"blanks around the header", "  [Friends] \r\nAlice\r\n", true, {"Alice"}},
      {"an empty section", "[Friends]\r\n[Other]\r\nAlice\r\n", true, {}},
      {"lines of blanks are no names", "[Friends]\r\n   \r\n\t\r\nZed\r\n", true, {"Zed"}},
      {"no section", "Alice\r\nBob\r\n", false, {"old"}},
      {"a header inside a line is none", "x[Friends]\r\nAlice\r\n", false, {"old"}},
      {"empty file", "", false, {"old"}},
      {"bytes of any kind stay in the name", std::string("[Friends]\r\nA\0b\x95\r\n", 17), true,
       {std::string("A\0b\x95", 4)}},
  };
  for (const TCase& c : cases) {
    S names{"old"};
    EXPECT_EQ(ReadFriendsSection(c.File, names), c.Found) << c.Why;
    EXPECT_EQ(names, c.Names) << c.Why;
  }
}

TEST(FriendsList, OversizedFilesAndListsAreRefused) {
  S names{"old"};
  std::string many = "[Friends]\r\n";
  for (size_t i = 0; i <= kMaxFriends; ++i) many += "n" + std::to_string(i) + "\r\n";
  EXPECT_FALSE(ReadFriendsSection(many, names));
  EXPECT_FALSE(ReadFriendsSection("[Friends]\r\n" + std::string(kMaxFriendsFileBytes, 'a'), names));
  EXPECT_EQ(names, S{"old"});
  many.resize(many.rfind("n"));  // one name fewer is a list
  EXPECT_TRUE(ReadFriendsSection(many, names));
  EXPECT_EQ(names.size(), kMaxFriends);
}

}  // namespace
}  // namespace vkr
