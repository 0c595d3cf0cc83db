// The per-round settings dialogs: their widgets reach the rules of the core
// and OK hands the values to the tournament.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

#include "BoxAnswerer.h"
#include "DialogChildren.h"
#include "ModalDriver.h"
#include "formats/PointsList.h"
#include "formats/uBootTime.h"
#include "formats/uMatchPoints.h"
#include "formats/uMatchTimeLimits.h"
#include "formats/uPlayerPoints.h"
#include "formats/uStartTables.h"
#include "qt/QtSettings.h"
#include "support/TourneyHost.h"

using namespace vkr;

class SettingsDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void MatchPointsFieldsWriteTheSelectedSizeOnlyAndGreyUnreachedRounds() {
    std::array<TPointsList, kSizeLists> lists;
    lists.fill(PointsPresets[1]);
    TCustomPointsForm form(OpenArrangement(lists, ElimSingle), false, nullptr);
    QVERIFY(Child<QCheckBox>(&form, "SameCheck")->isChecked());
    QVERIFY(!Child<QListWidget>(&form, "SizeList")->isEnabled());
    QVERIFY(Child<QSpinBox>(&form, "Round6Edit")->isEnabled());
    QVERIFY(!Child<QSpinBox>(&form, "Round7Edit")->isEnabled());
    Child<QRadioButton>(&form, "TripleRadio")->setChecked(true);
    QVERIFY(Child<QSpinBox>(&form, "Round13Edit")->isEnabled());

    Child<QCheckBox>(&form, "SameCheck")->setChecked(false);
    Child<QListWidget>(&form, "SizeList")->setCurrentRow(2);
    Child<QSpinBox>(&form, "SemiEdit")->setValue(9);
    const TMatchPointsArrangement& a = form.Arrangement();
    QCOMPARE(a.Lists[2][13], 9);
    QCOMPARE(a.Lists[1][13], 2);
    QCOMPARE(a.Elim, int(ElimTriple));
    Child<QListWidget>(&form, "SizeList")->setCurrentRow(1);
    QCOMPARE(Child<QSpinBox>(&form, "SemiEdit")->value(), 2);  // the shown list follows the size
  }

  void MatchPointsReachTheTournamentAndTheTypeIsLockedOnceClosed() {
    test::TEngineHost h(ElimSingle);
    WhenModal<TCustomPointsForm>([](TCustomPointsForm* form) {
      Child<QRadioButton>(form, "DoubleRadio")->setChecked(true);
      Child<QSpinBox>(form, "FinalEdit")->setValue(11);
    });
    ShowMatchPointsDialog(nullptr, h.T);
    QCOMPARE(h.T.ElimFormat, int(ElimDouble));
    QCOMPARE(h.T.Format.SizePointsLists[4][14], 11);
    QCOMPARE(h.T.Format.CheckedPreset, kPresetOther);

    h.AddPlayers(8);
    h.Close();
    WhenModal<TCustomPointsForm>([](TCustomPointsForm* form) {
      QVERIFY(!Child<QRadioButton>(form, "SingleRadio")->isEnabled());
      Child<QSpinBox>(form, "FinalEdit")->setValue(4);
    }, false);
    ShowMatchPointsDialog(nullptr, h.T);
    QCOMPARE(h.T.Format.SizePointsLists[4][14], 11);  // Cancel changes nothing
  }

  void TimeLimitsShowTheTournamentsZerosKeepOldValuesForBadTextAndReachTheTournament() {
    test::TEngineHost h;
    h.T.Context.TimeLimits.fill(0);
    WhenModal<TMatchTimeLimitsForm>([](TMatchTimeLimitsForm* form) {
      QCOMPARE(Child<QSpinBox>(form, "LimitFinalEdit")->value(), 0);
      QSpinBox* first = Child<QSpinBox>(form, "Limit1Edit");
      QCOMPARE(first->maximum(), 300);
      Type(first, QStringLiteral("30"));
      Type(first, QStringLiteral("abc"));
      QCOMPARE(first->value(), 30);
    });
    ShowTimeLimitsDialog(nullptr, h.T);
    QCOMPARE(h.T.Context.TimeLimits[0], 30);
    QCOMPARE(h.T.Context.TimeLimits[14], 0);
  }

  void BootTimeIsHeldInItsRangeAndReachesTheTournament() {
    test::TEngineHost h;
    WhenModal<TBootTimeForm>([](TBootTimeForm* form) {
      QSpinBox* field = Child<QSpinBox>(form, "BootTimeEdit");
      QCOMPARE(field->value(), 7);
      QCOMPARE(field->minimum(), 1);
      Type(field, QStringLiteral("x"));
      QCOMPARE(field->value(), 7);
      Type(field, QStringLiteral("12"));
    });
    ShowBootTimeDialog(nullptr, h.T);
    QCOMPARE(h.T.Format.BootTime, 12);
  }

  void StartTablesPreviewTheLastTablesAndSetAsDefaultAsksFirst() {
    test::TEngineHost h;
    TQtSettings settings;
    settings.WriteString("Default Start Tables", "none yet");
    TStartTablesForm form(h.T, h.T.StartTables, nullptr);
    Child<QSpinBox>(&form, "Table1Edit")->setValue(150);
    Child<QSpinBox>(&form, "PlayersEdit")->setValue(20);
    QCOMPARE(form.Tables()[0], 150);
    bool sawTo9 = false;
    for (QLabel* label : form.findChildren<QLabel*>()) sawTo9 = sawTo9 || label->text() == QStringLiteral("to 9");
    QVERIFY(sawTo9);

    {
      TBoxAnswerer no(QMessageBox::No);
      Child<QPushButton>(&form, "SetAsDefaultButton")->click();
      QCOMPARE(no.Seen, QStringList{QStringLiteral("Are you sure you want to set these as the default starting tables?")});
    }
    QCOMPARE(h.T.Format.DefaultStartTables[0], 50);
    QCOMPARE(settings.ReadString("Default Start Tables").value_or(""), std::string("none yet"));
    {
      TBoxAnswerer yes(QMessageBox::Yes);
      Child<QPushButton>(&form, "SetAsDefaultButton")->click();
    }
    QCOMPARE(h.T.Format.DefaultStartTables[0], 150);
    QCOMPARE(TQtSettings().ReadString("Default Start Tables").value_or("").substr(0, 4), std::string("150,"));
    Child<QSpinBox>(&form, "Table1Edit")->setValue(3);
    Child<QPushButton>(&form, "RestoreDefaultButton")->click();
    QCOMPARE(Child<QSpinBox>(&form, "Table1Edit")->value(), 150);
  }

  void StartTablesReachTheTournamentOnlyWhileSignupsAreOpen() {
    test::TEngineHost h;
    WhenModal<TStartTablesForm>([](TStartTablesForm* form) { Child<QSpinBox>(form, "TableFinalEdit")->setValue(77); });
    ShowStartTablesDialog(nullptr, h.T);
    QCOMPARE(h.T.StartTables[14], 77);
    h.AddPlayers(8);
    h.Close();
    ShowStartTablesDialog(nullptr, h.T);  // no dialog opens: nothing to drive
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  void PlayerPointsGridDropsBadKeysAndTheBoxFillsColumns() {
    TPlayerPointsSettings settings;
    settings.Win.fill(2);
    settings.Win[14] = 17;
    settings.FirstPlace = -10;
    TPlayerPointsForm form(settings, nullptr);
    QVERIFY(Child<QRadioButton>(&form, "ExactlyRadio")->isChecked());
    QCOMPARE(Child<QSpinBox>(&form, "FirstEdit")->value(), 10);
    QTableWidget* grid = Child<QTableWidget>(&form, "PointsGrid");
    QVERIFY(!Child<QCheckBox>(&form, "SameCheck")->isChecked());
    grid->setCurrentCell(0, 0);
    form.show();
    QTest::keyClicks(grid, QStringLiteral("x7"));  // the letter is dropped, the digit starts the edit
    auto* editor = grid->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    QTest::keyClicks(editor, QStringLiteral("-"));
    QCOMPARE(editor->text(), QStringLiteral("7"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(form.Draft().Columns[ColumnWin][0], 7);  // the edit is committed from the event loop
    grid->item(0, 0)->setText(QStringLiteral("abc"));
    QCOMPARE(form.Draft().Columns[ColumnWin][0], 0);
    grid->item(3, 0)->setText(QStringLiteral("5"));
    QCOMPARE(form.Draft().Columns[ColumnWin][3], 5);
    Child<QCheckBox>(&form, "SameCheck")->setChecked(true);
    QCOMPARE(grid->item(14, 0)->text(), QStringLiteral("0"));
    grid->item(7, 1)->setText(QStringLiteral("4"));
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("4"));
    QCOMPARE(form.Draft().Columns[ColumnBye], TextToList("4,4,4,4,4,4,4,4,4,4,4,4,4,4,4"));
  }

  void PlayerPointsReachTheTournamentWithTheirMode() {
    test::TEngineHost h;
    WhenModal<TPlayerPointsForm>([](TPlayerPointsForm* form) {
      Child<QRadioButton>(form, "ExactlyRadio")->setChecked(true);
      Child<QSpinBox>(form, "FirstEdit")->setValue(10);
      Child<QSpinBox>(form, "SecondEdit")->setValue(5);
      Child<QSpinBox>(form, "FirstMatchWinEdit")->setValue(3);
    });
    ShowPlayerPointsDialog(nullptr, h.T);
    QCOMPARE(h.T.Format.PlayerPoints.FirstPlace, -10);
    QCOMPARE(h.T.Format.PlayerPoints.SecondPlace, -5);
    QCOMPARE(h.T.Format.PlayerPoints.FirstMatchWin, 3);
    const std::vector<std::string> log = h.LogLines();
    QVERIFY(std::find(log.begin(), log.end(), "Menu: Format/Options/Player points") != log.end());
  }
};

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
