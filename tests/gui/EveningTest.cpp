// A host's evening in the window: names typed and entered, sign-ups closed,
// the grand final's Win button pressed and its points mailed (the mailto:
// link checked apart), the result undone and redone; team seats, the points
// option, hidden matches and the match clock.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include "DialogDriver.h"
#include "WindowSetup.h"
#include "engine/Results.h"
#include "fakes/FakeMail.h"
#include "fakes/FakePorts.h"
#include "qt/QtMail.h"
#include "storage/PointsGrid.h"
#include "storage/uPointsSummary.h"
#include "support/RandomPlay.h"
#include "support/TournamentCompare.h"
#include "timing/MatchClock.h"
#include "ui/BracketRow.h"
#include "ui/BracketView.h"
#include "ui/PlayerPanel.h"
#include "ui/RoundTabBar.h"
#include "ui/uTeam.h"

using namespace vkr;

class EveningTest : public QObject {
  Q_OBJECT

 private:
  // Two players to a table as they come, then the names typed one by one.
  static void SignUp(TTarnwickForm& form, const QStringList& names) {
    auto* onePerTable = form.findChild<QCheckBox*>(QStringLiteral("OnePlayerPerTableBox"));
    if (onePerTable->isChecked()) QTest::mouseClick(onePerTable, Qt::LeftButton, {}, QPoint(4, 4));
    QLineEdit* box = form.PlayerPanel()->NewPlayerEdit();
    for (const QString& name : names) {
      QTest::keyClicks(box, name);
      QTest::keyClick(box, Qt::Key_Return);
    }
  }

  // Moves the clock on and lets the window's timer tick.
  static void Play(TTarnwickForm& form, test::TFakeClock& clock, int seconds) {
    clock.Current += seconds / 86400.0;
    form.TimerTick();
  }

 private slots:
  // Team mode: a click on a seat opens the team dialog, which renames the
  // team there or signs a new one up at an empty seat.
  void TeamSeatsOpenTheTeamDialog() {
    TTarnwickForm form;
    form.show();
    form.Action(QStringLiteral("FourPlayersItem"))->trigger();
    QVERIFY(form.Tourney().TeamMode);
    SignUp(form, {"Ann/Bob"});
    TBracketRow* row = form.View(Winners)->RowWidget(0);
    QString shownTeam;
    WhenModal<TTeamPropsForm>([&](TTeamPropsForm* d) {
      shownTeam = d->FirstName() + QLatin1Char('+') + d->SecondName();
      d->findChildren<QLineEdit*>().at(0)->setText(QStringLiteral("Aces"));
    });
    QTest::mouseClick(row, Qt::LeftButton, {}, row->NameRect(0).center());
    QCOMPARE(shownTeam, QStringLiteral("Ann+Bob"));
    QCOMPARE(form.Tourney().Model.Player(0).Name, std::string("Aces"));
    WhenModal<TTeamPropsForm>([](TTeamPropsForm* d) {
      const QList<QLineEdit*> fields = d->findChildren<QLineEdit*>();
      fields.at(1)->setText(QStringLiteral("Cid"));
      fields.at(2)->setText(QStringLiteral("Dee"));
    });
    QTest::mouseClick(row, Qt::LeftButton, {}, row->NameRect(1).center());
    QCOMPARE(form.Tourney().Model.PlayerCount(), 2);
    QCOMPARE(form.Tourney().Model.Player(1).Member2, std::string("Dee"));
  }

  // The menu item reaches the count of the points the grid shows.
  void DoublePlayerPointsDoublesTheTotals() {
    QTemporaryDir dir;
    TTarnwickForm form;
    QVERIFY(form.OpenTourney(CopyTestFile(dir, "double9.vkr", "cup.vkr")));
    const auto top = [&form] { return std::stoi(PointsGridRows(form.Tourney()).at(0).Points); };
    QAction* item = form.Action(QStringLiteral("DoublePlayerPointsItem"));
    QVERIFY(item->isChecked());  // this file was saved with it on
    item->trigger();
    const int single = top();
    QVERIFY(single > 0);
    item->trigger();
    QCOMPARE(top(), 2 * single);
  }

  // Points are refused before the start. The core plays to the grand final,
  // whose Win button the host presses: the points view opens and its E-mail
  // button writes cup.txt and hands the edited text to the mail client.
  // The hot-keys undo and redo that result exactly.
  void PlaysADoubleEliminationToTheGrandFinal() {
    TCupWindow cup;
    TTarnwickForm& form = cup.Form;
    test::TFakeMail mail;
    form.SetMail(&mail);
    TBoxAnswerer answerer(QMessageBox::Yes);
    form.Action(QStringLiteral("Double1"))->trigger();
    QCOMPARE(form.Tourney().ElimFormat, ElimDouble);
    const QStringList names{"Alice", "Bob", "Carol", "Dave", "Erin", "Frank", "Gina", "Hank"};
    SignUp(form, names);
    QCOMPARE(form.Tourney().Model.PlayerCount(), 8);
    QVERIFY(form.PlayerPanel()->NewPlayerEdit()->text().isEmpty());
    // The winners view shows the names at the first round's tables.
    QStringList shown;
    for (int i = 0; i < 4; ++i) {
      for (const TSeatLook& seat : form.View(Winners)->RowWidget(i)->Look().Seats)
        shown << QString::fromStdString(seat.Name);
    }
    shown.sort();
    QCOMPARE(shown, names);
    const qsizetype boxes = answerer.Seen.size();
    form.Action(QStringLiteral("EditSendPoints1"))->trigger();
    QCOMPARE(answerer.Seen.size(), boxes + 1);
    form.Action(QStringLiteral("CloseSignupsItem"))->trigger();
    QVERIFY(form.Tourney().SignupsClosed);
    // The find panel with Undo and Redo takes the add-player panel's place.
    QVERIFY(form.PlayerPanel()->FindEdit()->isVisible());

    TTourney& t = form.Tourney();
    const int final = t.Model.GrandFinalRound();
    for (int clicks = 0; clicks < 40; ++clicks) {
      std::vector<TWinButton> seats = test::SeatsInPlay(t);
      std::erase_if(seats, [final](const TWinButton& s) { return s.Bracket == Winners && s.Round == final; });
      if (seats.empty()) break;
      WinButtonClick(t, seats.front(), true);
    }
    QVERIFY(t.Model.Table(Winners, final, 0).SeatTaken(1));
    const std::string before = test::FileBytes(t);
    auto* tabs = form.View(Winners)->Tabs();
    tabs->setCurrentIndex(tabs->count() - 1);
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("GF"));
    QString points;
    WhenModal<TPointsSummaryForm>(
        [&points](TPointsSummaryForm* view) {
          points = view->Memo()->toPlainText();
          view->Memo()->appendPlainText(QStringLiteral("Thanks \u2022 all"));
          view->findChild<QPushButton*>(QStringLiteral("EmailButton"))->click();
        },
        false);
    QTest::mouseClick(form.View(Winners)->RowWidget(0)->WinButton(0), Qt::LeftButton);
    QVERIFY(t.Model.Table(Winners, final, 0).Decided());
    const std::string after = test::FileBytes(t);
    QVERIFY(points.contains(QStringLiteral("\nSTART POINTS\n")));
    QCOMPARE(mail.Composed.size(), size_t{1});
    const std::string& body = mail.Composed[0].Body;
    QVERIFY(body.find("START POINTS\r\n") != std::string::npos);
    QVERIFY(body.ends_with("Thanks \x95 all\r\n"));
    QCOMPARE(ReadFile(cup.Dir.filePath(QStringLiteral("cup.txt"))).toStdString(), body);

    // The hot-keys reach the window the host works in.
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_Backspace, Qt::AltModifier);
    QVERIFY(test::FileBytes(t) == before);
    QVERIFY(!form.View(Winners)->RowWidget(0)->WinButton(0)->isChecked());
    QTest::keyClick(&form, Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
    QVERIFY(test::FileBytes(t) == after);
    QVERIFY(form.View(Winners)->RowWidget(0)->WinButton(0)->isChecked());
  }

  // The mail client is handed the points as a mailto: link the desktop can open.
  void MailtoUrlIsPercentEncodedUtf8() {
    const struct {
      const char* Subject;
      const char* Body;
      const char* Url;
    } cases[] = {
        {"Results for Fast Tournament at 8:30pm on 05 Dec 26", "a b\r\nc",
         "mailto:?subject=Results%20for%20Fast%20Tournament%20at%208%3A30pm%20on%2005%20Dec%2026&body=a%20b%0D%0Ac"},
        // Characters that would end or split a query part, and Windows-1252 text.
        {"x&y=z?#", "100% + \x95 caf\xE9", "mailto:?subject=x%26y%3Dz%3F%23&body=100%25%20%2B%20%E2%80%A2%20caf%C3%A9"},
        {"", "", "mailto:?subject=&body="},
    };
    for (const auto& c : cases) {
      const QByteArray url = MailtoUrl(TMailMessage{c.Subject, c.Body});
      QCOMPARE(url, QByteArray(c.Url));
      // What the desktop is handed is that text, and it reads back as entered.
      const QUrl parsed = QUrl::fromEncoded(url, QUrl::StrictMode);
      QVERIFY(parsed.isValid());
      QCOMPARE(parsed.toEncoded(), url);
      QCOMPARE(FromQt(QUrl::fromPercentEncoding(url.mid(url.indexOf("&body=") + 6))), std::string(c.Body));
    }
  }

  // A completed match's row closes up while they are hidden; releasing its
  // Win button takes the result back.
  void HidingCompletedMatchesAndReleasingAWin() {
    TTarnwickForm form;
    CloseWithEight(form);
    TBracketRow* row = form.View(Winners)->RowWidget(0);
    QTest::mouseClick(row->WinButton(1), Qt::LeftButton);
    QCOMPARE(form.Tourney().Model.Table(Winners, 0, 0).Result, 2);
    form.Action(QStringLiteral("HideCompletedMatchesItem"))->trigger();
    QVERIFY(row->isHidden());
    QCOMPARE(form.View(Winners)->RowWidget(1)->y(), 0);
    form.Action(QStringLiteral("HideCompletedMatchesItem"))->trigger();
    QVERIFY(!row->isHidden());
    QCOMPARE(form.View(Winners)->RowWidget(1)->y(), row->height());
    QTest::mouseClick(row->WinButton(1), Qt::LeftButton);
    QCOMPARE(form.Tourney().Model.Table(Winners, 0, 0).Result, 0);
    QVERIFY(!row->WinButton(1)->isChecked());
  }

  // The match clock, driven by a clock the test moves: time labels right
  // after a redraw, their "Started at" hint, the reminders the tick gives,
  // time left, and an overrunning match's flashing row and overdue line.
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

QTEST_MAIN(EveningTest)
#include "EveningTest.moc"
