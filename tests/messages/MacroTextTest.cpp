#include <gtest/gtest.h>

#include "messages/HotKey.h"
#include "messages/MacroText.h"

namespace vkr {
namespace {

TEST(MacroText, QuotingRoundTripsAndOddValuesUnquote) {
  for (std::string text : {"  Hello  ", "say \"hi\"", "\"", "", "a\"\"b"}) {
    EXPECT_EQ(UnquoteMacroLine(QuoteMacroLine(text)), text) << text;
  }
  EXPECT_EQ(UnquoteMacroLine("plain \"text\""), "plain \"text\"");
  EXPECT_EQ(UnquoteMacroLine("\"done\" trailing"), "done");
  EXPECT_TRUE(IsPlayerMacro({"Good luck", "at %r"}));
  EXPECT_FALSE(IsPlayerMacro({"%P %T %R %O", "100%", "p"}));
}

TEST(MacroText, DelayLines) {
  struct Case {
    const char* Text;
    bool IsDelay;
    uint64_t Ms;
  };
  const Case cases[] = {
      {".<DELAY:2.50>", true, 2500},
      {".<delay:1.00>", true, 1000},
      {".<DELAY:2.5>", true, 2050},
      {"   .<Delay: 3 . 07> and more", true, 3070},
      {".<DELAY:999999999.999999999>", true, 999999999000ull + 9999999990ull},
      {".<DELAY:3>", false, 0},
      {".<DELAY:3.>", false, 0},
      {".<DELAY:-1.00>", false, 0},
      {".<DELAY:1234567890.00>", false, 0},
      {".<DELAY:1.1234567890>", false, 0},
      {"x.<DELAY:1.00>", false, 0},
      {".<DELAY", false, 0},
  };
  for (const Case& c : cases) {
    uint64_t ms = 12345;
    EXPECT_EQ(ParseDelayLine(c.Text, ms), c.IsDelay) << c.Text;
    if (c.IsDelay) {
      EXPECT_EQ(ms, c.Ms) << c.Text;
    }
  }
}

TEST(HotKey, ShortcutTexts) {
  EXPECT_EQ(NormalizeHotKey("Ctrl+F5"), "Ctrl+F5");
  EXPECT_EQ(NormalizeHotKey("alt+shift+k"), "Shift+Alt+K");
  EXPECT_EQ(NormalizeHotKey("Ctrl+PageDown"), "Ctrl+PgDn");
  for (const char* text : {"", "Ctrl+", "+K", "Ctrl+Ctrl+K", "Hyper+K", "F0", "F25", "F05", "Ctrl+KK", "Ctrl+F5 ",
                           "K+Ctrl", "Ctrl+\xE9"}) {
    EXPECT_EQ(NormalizeHotKey(text), "") << text;
  }
}

}  // namespace
}  // namespace vkr
