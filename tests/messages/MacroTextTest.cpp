#include <gtest/gtest.h>

#include "messages/HotKey.h"
#include "messages/MacroText.h"

namespace vkr {
namespace {

TEST(MacroText, QuotingKeepsBlanksAndQuotes) {
  for (std::string text : {"  Hello  ", "say \"hi\"", "\"", "", "a\"\"b", "x=y"}) {
    EXPECT_EQ(UnquoteMacroLine(QuoteMacroLine(text)), text) << text;
  }
  EXPECT_EQ(QuoteMacroLine("say \"hi\""), "\"say \"\"hi\"\"\"");
}

TEST(MacroText, UnquoteOfOddValues) {
  EXPECT_EQ(UnquoteMacroLine("plain \"text\""), "plain \"text\"");  // no leading quote: unchanged
  EXPECT_EQ(UnquoteMacroLine("\"open ended"), "open ended");
  EXPECT_EQ(UnquoteMacroLine("\"done\" trailing"), "done");
  EXPECT_EQ(UnquoteMacroLine("\""), "");
}

TEST(MacroText, SectionLinesSkipLinesWithoutEqualsAndSplitAtTheFirst) {
  std::vector<std::string> lines = MacroLinesOfSection({"Line00=\"a=b\"", "no equals", "Line01=bare", "x="});
  EXPECT_EQ(lines, (std::vector<std::string>{"a=b", "bare", ""}));
  EXPECT_EQ(SectionLinesOfMacro({"one", "two"}), (std::vector<std::string>{"Line00=\"one\"", "Line01=\"two\""}));
  std::vector<std::string> many(101, "x");
  EXPECT_EQ(SectionLinesOfMacro(many).back(), "Line100=\"x\"");
}

TEST(MacroText, PlayerMacroTokensAreLowerCaseOnly) {
  EXPECT_TRUE(IsPlayerMacro({"Good luck", "at %r"}));
  EXPECT_TRUE(IsPlayerMacro({"%o"}));
  EXPECT_FALSE(IsPlayerMacro({"%P %T %R %O", "%h %l"}));
  EXPECT_FALSE(IsPlayerMacro({"100%", "p"}));  // a token never spans two lines
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
      {".<DELAY:0.0", true, 0},
      {".<DELAY:999999999.999999999>", true, 999999999000ull + 9999999990ull},
      {".<DELAY:3>", false, 0},
      {".<DELAY:3.>", false, 0},
      {".<DELAY:-1.00>", false, 0},
      {".<DELAY:+1.00>", false, 0},
      {".<DELAY:1234567890.00>", false, 0},
      {".<DELAY:1.1234567890>", false, 0},
      {"x.<DELAY:1.00>", false, 0},
      {". <DELAY:1.00>", false, 0},
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

TEST(HotKey, ValidShortcutsAreNormalized) {
  EXPECT_EQ(NormalizeHotKey("Ctrl+F5"), "Ctrl+F5");
  EXPECT_EQ(NormalizeHotKey("alt+shift+k"), "Shift+Alt+K");
  EXPECT_EQ(NormalizeHotKey("Ctrl+Alt+Shift+9"), "Shift+Ctrl+Alt+9");
  EXPECT_EQ(NormalizeHotKey("F12"), "F12");
  EXPECT_EQ(NormalizeHotKey("Ctrl+PageDown"), "Ctrl+PgDn");
  EXPECT_EQ(NormalizeHotKey("Shift+Return"), "Shift+Enter");
}

TEST(HotKey, InvalidTextsGiveNoShortcut) {
  for (const char* text : {"", "Ctrl+", "Ctrl", "+K", "Ctrl+Ctrl+K", "Hyper+K", "F0", "F25", "F05", "Ctrl+KK",
                           "Ctrl+F5 ", "Ctrl++", "K+Ctrl", "Ctrl+\xE9"}) {
    EXPECT_EQ(NormalizeHotKey(text), "") << text;
  }
}

}  // namespace
}  // namespace vkr
