// Match clocks against their round's limit: the time labels of the views,
// reminders and a round without a limit. The overdue scenario plays the
// overdue list and the table menu's reset.
#include <gtest/gtest.h>

#include "engine/Tourney.h"
#include "support/TourneyHost.h"
#include "timing/MatchClock.h"
#include "timing/ReminderScan.h"
#include "timing/TimeWarning.h"
#include "timing/TimerTick.h"

namespace vkr::test {
namespace {

using S = std::vector<std::string>;

// Eight entries at tables 50 to 53, every match started at the same moment.
struct TClockHost : TEngineHost {
  explicit TClockHost(int32_t limit = 45) {
    SignUpEight();
    T.Context.TimeLimits.fill(limit);
    Start = T.Model.Table(Winners, 0, 0).StartTime;
  }
  // Moves the clock to `seconds` after the matches started and ticks.
  void At(double seconds) {
    Clock.Current = Start + seconds / kSecondsPerDay;
    TimerTimer(T);
  }
  const TTimeLabel& Label(int row) const { return T.Timing.RowLabels[Winners][static_cast<size_t>(row)]; }
  TDateTime Start = 0;
};

TEST(MatchClock, TimeLabelCountsUpOrShowsTimeLeft) {
  struct {
    bool left;
    double at;
    const char* text;
    bool flash;
  } cases[] = {
      {true, 0, "0:45", false},     {true, 59, "0:45", false},    {true, 60, "0:44", false},
      {true, 2699, "0:01", false},  {true, 2700, "0:00", false},  {true, 2701, "0:00", true},
      {true, 2702, "0:00", false},  {true, 2703, "0:00", true},   {false, 0, "0:00", false},
      {false, 60, "0:01", false},   {false, 4500, "1:15", false},  {false, 2701, "0:45", true},
      {false, -120, "0:00", false},  // a clock set back shows no negative time
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.at);
    TClockHost h;
    h.T.Timing.DisplayMatchTimeRemaining = c.left;
    h.At(c.at);
    EXPECT_EQ(h.Label(0).Text, c.text);
    EXPECT_EQ(h.Label(0).Flash, c.flash);
    EXPECT_EQ(h.Label(0).Ink, TLabelInk::Running);
    EXPECT_EQ(h.Label(4).Text, "");  // no table in that row
  }
  EXPECT_EQ(HoursMinutes(-5), "0:00");
  EXPECT_EQ(HoursMinutes(36000 + 420), "10:07");
}

// The timing scenario shows a finished match's length.
TEST(MatchClock, AFinishedMatchsHintNamesItsStart) {
  TClockHost h;
  h.At(3601);
  h.Win(Winners, 0, 0, 0);
  EXPECT_EQ(TimeLabelHint(h.T, h.T.Model.Table(Winners, 0, 0)), "Started at " + h.Clock.ShortTime(h.Start));
}

// Reminders are due within the minute before each mark and come once.
TEST(Reminders, FifteenTenAndFiveMinutesBeforeTheLimit) {
  struct {
    int32_t limit;
    double at;
    int given;  // reminders of table 50 so far
  } cases[] = {{45, 1799, 0}, {45, 1800, 1}, {45, 1859, 1}, {45, 2099, 1}, {45, 2100, 2}, {45, 2400, 3},
               {45, 2700, 3}, {12, 119, 0},  {12, 120, 1},  {12, 420, 2},  {12, 721, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.limit << " at " << c.at);
    TClockHost h(c.limit);
    h.T.Timing.RemindAt15 = h.T.Timing.RemindAt10 = h.T.Timing.RemindAt5 = true;
    h.T.Context.TimeLimits[0] = c.limit;
    // Tick every second up to the moment, as the window does.
    for (double s = 0; s <= c.at; ++s) h.At(s);
    int given = 0;
    for (const std::string& e : h.Events()) given += e.find("Table 50 in round 1 has") != std::string::npos;
    EXPECT_EQ(given, c.given);
  }
}

// The reminder's message box lets ticks through; their scans wait.
class TTickingScreen : public TFakeScreen {
 public:
  TTourney* T = nullptr;
  void Information(const std::string& text) override {
    TFakeScreen::Information(text);
    TimerTimer(*T);
  }
};

TEST(Reminders, AScanDuringAReminderBoxIsSkipped) {
  TClockHost h;
  TTickingScreen screen;
  screen.T = &h.T;
  h.T.Ports.Screen = &screen;
  h.T.Timing.RemindAt15 = true;
  h.At(1800);
  // Four tables due at once: shown one after the other, each once.
  EXPECT_EQ(screen.Events.size(), 4u);
  EXPECT_FALSE(h.T.Timing.ScanInProgress);
}

// Without a limit the label counts up even in time-left mode and never flashes.
TEST(Overdue, ZeroOrNegativeLimitTimesNothing) {
  for (int32_t limit : {0, -5}) {
    TClockHost h(limit);
    h.T.Timing.DisplayMatchTimeRemaining = true;
    h.T.Timing.RemindAt15 = h.T.Timing.RemindAt10 = h.T.Timing.RemindAt5 = true;
    for (double s = 0; s <= 3600; s += 30) h.At(s);
    h.At(3601);  // an odd second: the one an overrun would flash in
    EXPECT_EQ(h.Label(0).Text, "1:00");
    EXPECT_FALSE(h.Label(0).Flash);
    EXPECT_TRUE(h.T.Timing.Overdue.empty());
    EXPECT_TRUE(h.Events().empty());
    const TTableTimerMenu menu = TableTimerMenuState(h.T, TTableRef::Of(Winners, 0, 0));
    EXPECT_TRUE(menu.ResetTimerEnabled);
    EXPECT_FALSE(menu.CopyTimeRemainingEnabled);
  }
}

}  // namespace
}  // namespace vkr::test
