// Token expansion of one template line.
#include <gtest/gtest.h>

#include "support/TourneyHost.h"
#include "messages/Templates.h"

namespace vkr::test {
namespace {

struct ExpandTokens_ : ::testing::Test {
  TEngineHost H;
  MessageContext C;
  void SetUp() override {
    C.PlayerName = "Alice";
    C.OpponentName = "Bob";
    C.Row = 3;
    C.TableNumber = 42;
    C.StartTimeText = "8pm";
    C.RulesTimeText = "7:55";
    C.HostName = "Hosty";
    C.CoHostName = "Co";
    C.BootSecondsLeft = 425;
    C.MinutesLeft = 12;
    for (int i = 0; i < kPointsRows; ++i) {
      C.MatchPoints[static_cast<size_t>(i)] = i + 1;
      C.TimeLimits[static_cast<size_t>(i)] = 30 + i;
    }
    H.T.ExtraClockOffsets = {1.0 / 24, -27.0 / 24};
  }
  std::string X(const std::string& templ) { return ExpandTokens(H.T, templ, C); }
};

TEST_F(ExpandTokens_, EveryToken) {
  EXPECT_EQ(X("%p|%o|%t|%r|%m|%f|%d|%b|%x|%n|%l|%g|%e|%w|%<|%>|%s|%u|%h|%k|%?"),
            "Alice|Bob|42|Round 4|4|15|33|7:05|12|:30|20:30|1:30|19:30|23:30|12/5/2026|12/6/2026|8pm|7:55|Hosty|Co|"
            "Default");
  EXPECT_EQ(X("A%cB"), "A\r\nB");
}

TEST_F(ExpandTokens_, OddTextsAndEdgeValues) {
  const std::pair<const char*, const char*> cases[] = {
      {"%P and %O at %T", "Alice and Bob at 42"},  // tokens ignore case
      {"50%", "50%"},
      {"%z%a%i%j%q%v%y%9%0% %.", "%z%a%i%j%q%v%y%9%0% %."},
      {"%%p", "%Alice"},
      {"%%%", "%%%"},
      {"", ""},
      {"%!Hi %p", "%!Hi Alice"},  // the post marker stays only at the start
      {"Hi%! %p", "Hi Alice"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(X(in), out) << in;
  C.Row = 15;  // outside the lists: no points
  EXPECT_EQ(X("[%m|%d|%f]"), "[||15]");
  C.BootSecondsLeft = 0;
  EXPECT_EQ(X("%b"), "0:00");
  H.T.CapNames = true;
  C.PlayerName = "\xe9mile";  // é becomes É by the ANSI rules
  EXPECT_EQ(X("%p and %o, %h"), "\xc9MILE and BOB, Hosty");
}

TEST_F(ExpandTokens_, ValuesHoldingTokensCannotLoop) {
  C.HostName = "%h";
  EXPECT_EQ(X("by %h."), "by %h.");
  C.HostName = "%k";
  C.CoHostName = "%h";
  std::string text = X("by %h.");
  EXPECT_EQ(text.substr(0, 3), "by ");
  EXPECT_LT(text.size(), 200U);
  C.HostName = "[%p]";  // other tokens in a value are expanded
  EXPECT_EQ(X("%h"), "[Alice]");
}

}  // namespace
}  // namespace vkr::test
