// A host's evening in the window: names typed and entered, sign-ups closed,
// Win buttons pressed through a double elimination to the grand final, the
// last result undone and redone.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include "DialogDriver.h"
#include "WindowSetup.h"
#include "engine/Structure.h"
#include "storage/PointsGrid.h"
#include "storage/uPointsSummary.h"
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

  // Presses seat 0's Win button at the first undecided table the views can
  // show that has a match or a bye; false when there is none.
  static bool PressNextWin(TTarnwickForm& form) {
    TTourney& t = form.Tourney();
    for (int b = 0; b <= t.ElimFormat; ++b) {
      TBracketView* view = form.View(b);
      for (int tab = 0; tab < view->Tabs()->count(); ++tab) {
        const int round = tab + b;
        for (int i = 0; i < t.Model.Round(b, round).TableCount; ++i) {
          const TTable& table = t.Model.Table(b, round, i);
          const TRound& r = t.Model.Round(b, round);
          // A full table, or an entry alone at the round's bye table.
          const bool bye = r.HasByeTable && i == r.TableCount - 1 && table.SeatTaken(0);
          if (table.Result != 0 || !(bye || (table.SeatTaken(0) && table.SeatTaken(1)))) continue;
          view->Tabs()->setCurrentIndex(tab);
          TBracketRow* row = view->RowWidget(i);
          if (row == nullptr || row->isHidden()) return false;
          QTest::mouseClick(row->WinButton(0), Qt::LeftButton);
          return true;
        }
      }
    }
    return false;
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

  // The option doubles every total the points grid shows, and undoes it.
  void DoublePlayerPointsDoublesEveryTotal() {
    QTemporaryDir dir;
    TTarnwickForm form;
    QVERIFY(form.OpenTourney(CopyTestFile(dir, "double9.vkr", "cup.vkr")));
    auto totals = [&form] {
      QMap<QString, int> points;
      for (const TPointsGridRow& row : PointsGridRows(form.Tourney()))
        points[QString::fromStdString(row.Name)] = std::stoi(row.Points);
      return points;
    };
    QAction* item = form.Action(QStringLiteral("DoublePlayerPointsItem"));
    QCOMPARE(item->isChecked(), form.Tourney().Format.DoublePlayerPoints);  // this file was saved with it on
    if (item->isChecked()) item->trigger();
    const QMap<QString, int> single = totals();
    item->trigger();
    QMap<QString, int> doubled;
    for (auto p = single.begin(); p != single.end(); ++p) doubled[p.key()] = 2 * p.value();
    QCOMPARE(totals(), doubled);
    item->trigger();
    QCOMPARE(totals(), single);
  }

  void PlaysADoubleEliminationToTheGrandFinal() {
    TTarnwickForm form;
    form.show();
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
    form.Action(QStringLiteral("CloseSignupsItem"))->trigger();
    QVERIFY(form.Tourney().SignupsClosed);
    // The find panel with Undo and Redo takes the add-player panel's place.
    QVERIFY(form.PlayerPanel()->FindEdit()->isVisible());

    TTourney& t = form.Tourney();
    // The grand final opens the points view ("Show points at end"); the host closes it.
    WhenModal<TPointsSummaryForm>([](TPointsSummaryForm*) {}, false);
    int presses = 0;
    while (PressNextWin(form)) QVERIFY(++presses < 40);
    const TTable& final = t.Model.Table(Winners, t.Model.GrandFinalRound(), 0);
    QVERIFY(final.Decided());
    // Eight entries, double elimination: seven winners matches, six one-loss
    // matches, the one-loss bye of round 3 and the grand final.
    QCOMPARE(presses, 15);
    QCOMPARE(form.View(Winners)->Tabs()->tabText(form.View(Winners)->Tabs()->currentIndex()), QStringLiteral("GF"));
    QVERIFY(form.View(Winners)->RowWidget(0)->WinButton(0)->isChecked());

    // Undo takes the grand final back, redo enters it again.
    QVERIFY(form.Action(QStringLiteral("UndoItem"))->isEnabled());
    // The hot-keys reach the window the host works in.
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_Backspace, Qt::AltModifier);
    QVERIFY(!t.Model.Table(Winners, t.Model.GrandFinalRound(), 0).Decided());
    QVERIFY(!form.View(Winners)->RowWidget(0)->WinButton(0)->isChecked());
    QTest::keyClick(&form, Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
    QVERIFY(t.Model.Table(Winners, t.Model.GrandFinalRound(), 0).Decided());
    QVERIFY(form.View(Winners)->RowWidget(0)->WinButton(0)->isChecked());
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
};

QTEST_MAIN(EveningTest)
#include "EveningTest.moc"
