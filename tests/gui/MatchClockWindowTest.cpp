// The match clock in the window, driven by a clock the test moves: time
// labels right after a redraw, their "Started at" hint, the reminders the
// tick gives, time left, and an overrunning match's flashing row and
// overdue line.
#include <QAction>
#include <QTreeWidget>
#include <QtTest>

#include "WindowSetup.h"
#include "fakes/FakePorts.h"
#include "timing/MatchClock.h"
#include "ui/BracketRow.h"
#include "ui/BracketView.h"

using namespace vkr;

class MatchClockWindowTest : public QObject {
  Q_OBJECT

 private:
  static void Play(TTarnwickForm& form, test::TFakeClock& clock, int seconds) {
    clock.Current += seconds / 86400.0;
    form.TimerTick();
  }

 private slots:
  void TheTickRemindsCountsDownAndFlagsOverruns() {
    TTarnwickForm form;
    test::TFakeClock clock;
    TTourney& t = form.Tourney();
    t.Ports.Clock = &clock;
    CloseWithEight(form);
    t.Context.TimeLimits.fill(30);
    t.Timing.RemindAt15 = t.Timing.RemindAt10 = true;
    // One match runs; the others have not started.
    for (int i = 1; i < 4; ++i) t.Model.SetStartTime(TTableRef::Of(Winners, 0, i), 0);
    const TTableRef table = TTableRef::Of(Winners, 0, 0);
    t.Model.SetStartTime(table, clock.Current);
    TBracketRow* row = form.View(Winners)->RowWidget(0);
    // A redraw shows the new match's time at once, without waiting for a tick.
    form.View(Winners)->Redraw();
    QCOMPARE(row->Time().Text, std::string("0:00"));
    QCOMPARE(row->TimeHint(), QString::fromStdString(TimeLabelHint(t, t.Model.Table(table))));
    QVERIFY(row->TimeHint().startsWith(QStringLiteral("Started at ")));

    // Which reminder a box gives is the core's; here each comes once, at its tick.
    const struct {
      int Played;  // seconds since the start
      int Boxes;
    } steps[] = {{14 * 60, 0}, {15 * 60 + 30, 1}, {15 * 60 + 50, 0},
                 {20 * 60 + 10, 1}, {25 * 60 + 10, 0}};  // the 5-minute reminder is off
    int played = 0;
    for (const auto& step : steps) {
      TBoxAnswerer ok;
      Play(form, clock, step.Played - played);
      played = step.Played;
      QCOMPARE(ok.Seen.size(), step.Boxes);
    }

    // Time left in the winners view: 4 minutes 50 seconds show the started minute.
    form.Action(QStringLiteral("DisplayMatchTimeRemainingItem"))->trigger();
    QCOMPARE(row->Time().Text, std::string("0:05"));
    form.Action(QStringLiteral("DisplayMatchTimeRemainingItem"))->trigger();
    QCOMPARE(row->Time().Text, std::string("0:25"));

    // Over the limit the row flashes on odd seconds and the match is overdue.
    auto* overdue = form.findChild<QTreeWidget*>(QStringLiteral("OverdueTablesList"));
    QCOMPARE(overdue->topLevelItemCount(), 0);
    Play(form, clock, 30 * 60 + 1 - played);
    QVERIFY(row->Time().Flash);
    QCOMPARE(overdue->topLevelItemCount(), 1);
    QCOMPARE(overdue->topLevelItem(0)->text(0), QString::number(t.Model.Table(table).Number));
    QCOMPARE(overdue->topLevelItem(0)->text(2), QStringLiteral("0:30"));
    Play(form, clock, 1);
    QVERIFY(!row->Time().Flash);
  }
};

QTEST_MAIN(MatchClockWindowTest)
#include "MatchClockWindowTest.moc"
