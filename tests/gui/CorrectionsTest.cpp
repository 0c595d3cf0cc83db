// The player menu's corrections and the table menu's void number in the
// window: the menus open on a seat or table with the items the core allows,
// each item reaches its core operation, and the views show what changed.
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "DialogDriver.h"
#include "WindowSetup.h"
#include "engine/Corrections.h"
#include "ui/BracketRow.h"
#include "ui/BracketView.h"
#include "ui/uReassignPlayer.h"

using namespace vkr;

class CorrectionsTest : public QObject {
  Q_OBJECT

 private:
  static TBracketRow* Row(TTarnwickForm& form, int index) { return form.View(Winners)->RowWidget(index); }

  static std::string Seated(TTarnwickForm& form, int index, int seat) {
    const TTourney& t = form.Tourney();
    const int16_t entry = t.Model.Table(Winners, 0, index).Seat[static_cast<size_t>(seat)];
    return entry == kNoEntry ? std::string() : t.Model.Player(entry).Name;
  }

  // A right click on a seat's name box, or on its Win button.
  static void OpenPlayerMenu(TTarnwickForm& form, int index, int seat, bool onWinButton) {
    TBracketRow* row = Row(form, index);
    if (onWinButton) {
      QToolButton* win = row->WinButton(seat);
      QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), win->mapToGlobal(QPoint(4, 4)));
      QApplication::sendEvent(win, &event);
    } else {
      QTest::mouseClick(row, Qt::RightButton, {}, row->NameRect(seat).center());
    }
  }

  static void ClosePopups(TTarnwickForm& form) {
    for (QMenu* menu : form.findChildren<QMenu*>()) menu->close();
  }

  static bool Enabled(TTarnwickForm& form, const char* name) {
    return form.Action(QString::fromLatin1(name))->isEnabled();
  }

 private slots:
  void MenuOffersWhatTheSeatAllows() {
    TTarnwickForm form;
    CloseWithEight(form);
    const struct {
      bool OnWinButton;
      bool AssignWinSilently;
    } cases[] = {{false, false}, {true, true}};
    for (const auto& c : cases) {
      OpenPlayerMenu(form, 0, 1, c.OnWinButton);
      auto* menu = form.findChild<QMenu*>(QStringLiteral("PlayerPopupMenu"));
      QVERIFY(menu->isVisible());
      for (const char* item : {"RemovePlayerItem", "BothQuitItem", "ReassignPlayerItem", "DisqualifyPlayerItem"}) {
        QVERIFY2(Enabled(form, item), item);
      }
      QCOMPARE(Enabled(form, "AssignWinSilentlyItem"), c.AssignWinSilently);
      ClosePopups(form);
    }
    // A decided table cannot be abandoned any more.
    QTest::mouseClick(Row(form, 0)->WinButton(0), Qt::LeftButton);
    OpenPlayerMenu(form, 0, 0, false);
    QVERIFY(!Enabled(form, "BothQuitItem"));
    QVERIFY(Enabled(form, "DisqualifyPlayerItem"));
    ClosePopups(form);
  }

  void RemoveAsksThenTheLastPlayerMovesIntoTheSeat() {
    TTarnwickForm form;
    CloseWithEight(form);
    const std::string last = Seated(form, 3, 1);
    QAction* remove = form.Action(QStringLiteral("RemovePlayerItem"));
    OpenPlayerMenu(form, 0, 0, false);
    QCOMPARE(Answered(QMessageBox::No, [remove] { remove->trigger(); }).size(), 1);
    QCOMPARE(Seated(form, 0, 0), std::string("P0"));
    OpenPlayerMenu(form, 0, 0, false);
    TBoxAnswerer yes;
    remove->trigger();
    QCOMPARE(Seated(form, 0, 0), last);
    // The view shows the moved player and the emptied last seat.
    QCOMPARE(Row(form, 0)->Look().Seats[0].Name, last);
    QVERIFY(!Row(form, 3)->Look().Seats[1].Taken);
  }

  void DisqualifyAndBothQuitShowInTheView() {
    TTarnwickForm form;
    CloseWithEight(form);
    TBoxAnswerer yes;
    OpenPlayerMenu(form, 1, 1, false);
    form.Action(QStringLiteral("DisqualifyPlayerItem"))->trigger();
    QVERIFY(form.Tourney().Model.Player(form.Tourney().Model.Table(Winners, 0, 1).Seat[1]).Disqualified);
    QCOMPARE(Row(form, 1)->Look().Seats[1].Colour, TBoxColour::Disqualified);

    OpenPlayerMenu(form, 2, 0, false);
    form.Action(QStringLiteral("BothQuitItem"))->trigger();
    QCOMPARE(form.Tourney().Model.Table(Winners, 0, 2).Result, 4);
    for (const TSeatLook& seat : Row(form, 2)->Look().Seats) {
      QCOMPARE(seat.Colour, TBoxColour::Decided);
      QVERIFY(!seat.WinDown);
    }
  }

  void ReassignDialogGivesTheWinAndSeatsAtTheChosenTable() {
    TTarnwickForm form;
    CloseWithEight(form);
    QString player, chosen;
    WhenModal<TReassignPlayerDialog>([&](TReassignPlayerDialog* d) {
      player = d->findChildren<QLabel*>().value(0)->text();
      QVERIFY(d->NextChoice()->isChecked() && d->SameChoice()->isEnabled());
      // Switching the choice refills the list: in the same round only the player's own table.
      d->SameChoice()->setChecked(true);
      QCOMPARE(d->Tables()->count(), 1);
      QVERIFY(d->Tables()->currentText().endsWith(QStringLiteral(" **")));
      d->NextChoice()->setChecked(true);
      d->Tables()->setCurrentIndex(d->Tables()->count() - 1);
      chosen = d->Tables()->currentText();
    });
    OpenPlayerMenu(form, 1, 0, false);
    TBoxAnswerer yes;
    form.Action(QStringLiteral("ReassignPlayerItem"))->trigger();
    const TTourney& t = form.Tourney();
    QVERIFY(player.contains(QStringLiteral("\"P2\"")));  // the dialog is about the clicked seat
    QCOMPARE(t.Model.Table(Winners, 0, 1).Result, 1);
    QVERIFY(Row(form, 1)->Look().Seats[0].WinDown);
    const TPlayer& p2 = t.Model.Player(t.Model.Table(Winners, 0, 1).Seat[0]);
    QCOMPARE(QString::number(t.Model.Table(p2.Tables[1]).Number), chosen);
    QCOMPARE(QString::fromStdString(Row(form, 1)->Look().Seats[0].Next), chosen);
  }

  void VoidTableItemMarksTheNumberAndTheRowShowsIt() {
    TTarnwickForm form;
    CloseWithEight(form);
    TBracketRow* row = Row(form, 2);
    const int32_t number = form.Tourney().Model.Table(Winners, 0, 2).Number;
    for (bool voided : {true, false}) {
      QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(6, 8), row->mapToGlobal(QPoint(6, 8)));
      QApplication::sendEvent(row, &event);
      QAction* item = form.Action(QStringLiteral("VoidTableItem"));
      QCOMPARE(item->isChecked(), !voided);
      QVERIFY(item->isEnabled());
      item->trigger();
      ClosePopups(form);
      QCOMPARE(IsVoidTable(form.Tourney(), number), voided);
      QCOMPARE(row->Look().VoidNumber, voided);
    }
  }
};

QTEST_MAIN(CorrectionsTest)
#include "CorrectionsTest.moc"
