// The dialogs of the settings and Options menus: their widgets reach the
// rules of the core, and what the host enters from the window's menus reaches
// the tournament and its file. The list editor, the confirmations filter, the
// host details, the reminder switches, the time-zone dialog over fixed zones;
// and the zones the system's database gives under their Windows key names.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>
#include <functional>

#include "DialogDriver.h"
#include "WindowSetup.h"
#include "engine/Confirm.h"
#include "engine/ConfirmBoxes.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeTimeZones.h"
#include "formats/PointsList.h"
#include "formats/uMatchPoints.h"
#include "formats/uPlayerPoints.h"
#include "formats/uStartTables.h"
#include "qt/QtSettings.h"
#include "qt/QtTimeZones.h"
#include "support/TourneyHost.h"
#include "timing/uMatchTimeReminders.h"
#include "timing/uTimeZones.h"
#include "ui/BracketView.h"
#include "ui/uBannedPlayers.h"
#include "ui/uConfirmNotify.h"
#include "ui/uHostDetails.h"

using namespace vkr;

namespace {

struct TSettingCase {
  const char* Item;
  std::function<void(QDialog*)> Edit;
  std::function<int(const TTourney&)> Value;
  int Entered;
};

}  // namespace

class SettingsDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void StartTablesPreviewTheLastTablesAndSetAsDefaultAsksFirst() {
    test::TEngineHost h;
    TQtSettings settings;
    settings.WriteString("Default Start Tables", "none yet");
    TStartTablesForm form(h.T, h.T.StartTables, nullptr);
    Child<QSpinBox>(&form, "Table1Edit")->setValue(150);
    Child<QSpinBox>(&form, "PlayersEdit")->setValue(20);
    bool sawTo9 = false;
    for (QLabel* label : form.findChildren<QLabel*>()) sawTo9 = sawTo9 || label->text() == QStringLiteral("to 9");
    QVERIFY(sawTo9);

    QPushButton* setAsDefault = Child<QPushButton>(&form, "SetAsDefaultButton");
    QCOMPARE(Answered(QMessageBox::No, [setAsDefault] { setAsDefault->click(); }),
             QStringList{QStringLiteral("Are you sure you want to set these as the default starting tables?")});
    QCOMPARE(h.T.Format.DefaultStartTables[0], 50);
    QCOMPARE(settings.ReadString("Default Start Tables").value_or(""), std::string("none yet"));
    Answered(QMessageBox::Yes, [setAsDefault] { setAsDefault->click(); });
    QCOMPARE(h.T.Format.DefaultStartTables[0], 150);
    QCOMPARE(TQtSettings().ReadString("Default Start Tables").value_or("").substr(0, 4), std::string("150,"));
    Child<QSpinBox>(&form, "Table1Edit")->setValue(3);
    Child<QPushButton>(&form, "RestoreDefaultButton")->click();
    QCOMPARE(Child<QSpinBox>(&form, "Table1Edit")->value(), 150);
  }

  void PlayerPointsGridDropsBadKeysAndTheBoxFillsColumns() {
    TPlayerPointsSettings settings;
    settings.Win.fill(2);
    settings.Win[14] = 17;
    TPlayerPointsForm form(settings, nullptr);
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
    Child<QCheckBox>(&form, "SameCheck")->setChecked(true);
    QCOMPARE(grid->item(14, 0)->text(), QStringLiteral("7"));
    grid->item(7, 1)->setText(QStringLiteral("4"));
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("4"));
    QCOMPARE(form.Draft().Columns[ColumnBye], TextToList("4,4,4,4,4,4,4,4,4,4,4,4,4,4,4"));
  }

  // From the window's menus: OK hands the value to the tournament and the
  // file, Cancel leaves both. Bad text in a field keeps the value before it.
  void SettingsReachTheTournamentAndItsFile() {
    const std::vector<TSettingCase> cases = {
        {"Boottime1",
         [](QDialog* d) {
           QSpinBox* field = Child<QSpinBox>(d, "BootTimeEdit");
           Type(field, QStringLiteral("12"));
           Type(field, QStringLiteral("x"));
           QCOMPARE(field->value(), 12);
         },
         [](const TTourney& t) { return t.Format.BootTime; }, 12},
        {"Timelimits1",
         [](QDialog* d) {
           QCOMPARE(Child<QSpinBox>(d, "LimitFinalEdit")->value(), 0);  // shown as it is, not raised
           QSpinBox* field = Child<QSpinBox>(d, "Limit2Edit");
           Type(field, QStringLiteral("33"));
           Type(field, QStringLiteral("abc"));
           QCOMPARE(field->value(), 33);
         },
         [](const TTourney& t) { return t.Context.TimeLimits[1]; }, 33},
        {"Playerpoints1",
         [](QDialog* d) {
           Child<QRadioButton>(d, "ExactlyRadio")->setChecked(true);
           Type(Child<QSpinBox>(d, "FirstEdit"), QStringLiteral("40"));
         },
         [](const TTourney& t) { return t.Format.PlayerPoints.FirstPlace; }, -40},
        {"Defaultstarttables1", [](QDialog* d) { Type(Child<QSpinBox>(d, "Table1Edit"), QStringLiteral("20")); },
         [](const TTourney& t) { return t.Model.Table(Winners, 0, 0).Number; }, 20},
        {"Other2", [](QDialog* d) { Child<QRadioButton>(d, "TripleRadio")->click(); },
         [](const TTourney& t) { return t.ElimFormat; }, ElimTriple},
        {"Other2",
         [](QDialog* d) {
           QVERIFY(!Child<QSpinBox>(d, "Round7Edit")->isEnabled());  // no single elimination reaches it
           Child<QCheckBox>(d, "SameCheck")->setChecked(false);
           QListWidget* sizes = Child<QListWidget>(d, "SizeList");
           sizes->setCurrentRow(2);
           Child<QSpinBox>(d, "SemiEdit")->setValue(9);
           sizes->setCurrentRow(1);
           QCOMPARE(Child<QSpinBox>(d, "SemiEdit")->value(), 3);  // that size's own list, as it was
         },
         [](const TTourney& t) { return t.Format.SizePointsLists[2][13]; }, 9},
    };
    for (const TSettingCase& c : cases) {
      for (const bool accept : {false, true}) {
        TCupWindow cup;
        TTarnwickForm& form = cup.Form;
        const int before = c.Value(form.Tourney());
        QVERIFY2(before != c.Entered, c.Item);
        QAction* item = form.Action(QString::fromLatin1(c.Item));
        QVERIFY2(item->isEnabled(), c.Item);
        WhenModal<QDialog>(c.Edit, accept);
        item->trigger();
        const int expected = accept ? c.Entered : before;
        QCOMPARE(c.Value(form.Tourney()), expected);
        TTarnwickForm reopened;
        QVERIFY(reopened.OpenTourney(cup.Dir.filePath(QStringLiteral("cup.vkr"))));
        QCOMPARE(c.Value(reopened.Tourney()), expected);
      }
    }
  }

  void MatchPointsOtherShowsTheChosenEliminationAndIsChecked() {
    TCupWindow cup;
    TTarnwickForm& form = cup.Form;
    QVERIFY(!form.View(OneLoss)->isVisible());
    WhenModal<QDialog>([](QDialog* d) { Child<QRadioButton>(d, "DoubleRadio")->click(); });
    form.Action(QStringLiteral("Other2"))->trigger();
    QVERIFY(form.Action(QStringLiteral("Other2"))->isChecked());
    QVERIFY(form.Action(QStringLiteral("Double1"))->isChecked());
    QVERIFY(form.View(OneLoss)->isVisible());
    // Cancel leaves the check mark where it was.
    form.Action(QStringLiteral("Points2Item"))->trigger();
    WhenModal<QDialog>([](QDialog*) {}, false);
    form.Action(QStringLiteral("Other2"))->trigger();
    QVERIFY(form.Action(QStringLiteral("Points2Item"))->isChecked());
  }

  // Once sign-ups close the start tables are off and the elimination type is
  // locked; the points stay open.
  void ClosedSignUpsLockStartTablesAndTheType() {
    TCupWindow cup;
    TTarnwickForm& form = cup.Form;
    CloseWithEight(form);
    QVERIFY(form.Tourney().SignupsClosed);
    QVERIFY(!form.Action(QStringLiteral("Defaultstarttables1"))->isEnabled());
    {
      TModalDriver<TStartTablesForm> startTables([](TStartTablesForm*) {}, false);
      ShowStartTablesDialog(nullptr, form.Tourney());  // the command itself is ignored too
      QCOMPARE(startTables.Shown, 0);
    }
    TModalDriver<TCustomPointsForm> points([](TCustomPointsForm* d) {
      for (const char* radio : {"SingleRadio", "DoubleRadio", "TripleRadio"})
        QVERIFY2(!Child<QRadioButton>(d, radio)->isEnabled(), radio);
    }, false);
    form.Action(QStringLiteral("Other2"))->trigger();
    QCOMPARE(points.Shown, 1);
  }

  void TheListEditorEditsItsCopy() {
    TNameList banned;
    banned.Add("Mallory");
    TBannedPlayersForm form(TBannedPlayersForm::TMode::Banned, banned);
    QCOMPARE(form.windowTitle(), QStringLiteral("Banned Players"));
    QStringList answers{QStringLiteral("eve the 3rd"), QStringLiteral("Trent")};
    QStringList prefills;
    form.SetAskName([&](const QString&, const QString& text) -> std::optional<QString> {
      prefills << text;
      if (answers.isEmpty()) return std::nullopt;
      return answers.takeFirst();
    });
    form.AddClick();   // "evethe3rd" is selected after adding
    form.EditClick();  // and renamed
    QCOMPARE(prefills.at(1), QStringLiteral("evethe3rd"));
    form.EditClick();  // cancelled: nothing changes
    QVERIFY((form.List().Items() == std::vector<std::string>{"Mallory", "Trent"}));
    form.DeleteClick();
    QVERIFY((form.List().Items() == std::vector<std::string>{"Mallory"}));
    QCOMPARE(banned.Items().size(), size_t{1});
  }

  void AClickOnAnyBoxRecomputesTheWholeFilter() {
    const uint32_t filter = (1U << CfBan) | (1U << CfCloseSignups);
    TConfirmNotifyForm form(filter, true);
    QVERIFY(!form.Box(1)->isChecked());
    QVERIFY(form.Box(0)->isChecked());
    QCOMPARE(form.Filter(), filter);
    form.Box(0)->click();
    QCOMPARE(form.Filter(), (1U << CfBootTimedOut) | (1U << CfCloseSignups));
    QVERIFY(form.ClearFriendsDefault());
  }

  void HostDetailsReachTheTournament() {
    TTourney t;
    THostDetailsForm form(t);
    const auto edits = form.findChildren<QLineEdit*>();
    QCOMPARE(edits.size(), 4);
    edits.at(0)->setText(QStringLiteral("Zo\u00eb"));
    form.findChildren<QCheckBox*>().at(1)->setChecked(true);
    form.StoreInto(t);
    QCOMPARE(HostDetailsOf(t).HostName, std::string("Zo\xeb"));
    QVERIFY(t.Format.CoHostUnscheduled && !t.Format.HostUnscheduled);
  }

  // The boxes show the switches; OK, not before, sets them.
  void RemindersItemShowsAndSetsTheSwitches() {
    TTarnwickForm form;
    TTimingState& timing = form.Tourney().Timing;
    timing.RemindAt15 = false;
    timing.RemindAt10 = true;
    timing.RemindAt5 = false;
    WhenModal<TMatchTimeRemindersDialog>([&timing](TMatchTimeRemindersDialog* d) {
      const auto boxes = d->findChildren<QCheckBox*>();
      QCOMPARE(boxes.size(), 3);
      QVERIFY(!boxes.at(0)->isChecked() && boxes.at(1)->isChecked() && !boxes.at(2)->isChecked());
      boxes.at(0)->setChecked(true);
      boxes.at(1)->setChecked(false);
      QVERIFY(!timing.RemindAt15);
    });
    form.Action(QStringLiteral("Matchtimereminders1"))->trigger();
    QVERIFY(timing.RemindAt15 && !timing.RemindAt10 && !timing.RemindAt5);
  }

  void DialogShowsTheChosenZonesAndAppliesOk() {
    test::TTestHost host;
    test::TFakeTimeZones zones;
    host.T.Ports.TimeZones = &zones;
    host.T.Timing.ZoneClocks[1].ZoneKey = "GMT Standard Time";
    host.T.Timing.ZoneClocks[1].Hour24 = true;
    TTimeZonesDialog dialog(host.T, nullptr);
    auto* middle = dialog.findChild<QComboBox*>(QStringLiteral("MiddleZoneList"));
    auto* right = dialog.findChild<QComboBox*>(QStringLiteral("RightZoneList"));
    // The order and the previews are the core's; the lists show the chosen zones.
    QVERIFY(middle->currentText().contains(QStringLiteral("Eastern Time")));
    QVERIFY(right->currentText().contains(QStringLiteral("London")));
    QVERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("Right24Hour"))->isChecked());
    // The fake clock: 20:30 local, 1:30 universal time in December.
    const auto times = dialog.findChildren<QLineEdit*>();
    QCOMPARE(times.at(1)->text(), QStringLiteral(" GST: 01:30"));

    middle->setCurrentIndex(0);
    dialog.findChild<QCheckBox*>(QStringLiteral("Middle24Hour"))->setChecked(true);
    QCOMPARE(times.at(0)->text(), QStringLiteral(" PST: 17:30"));
    QCOMPARE(host.T.Timing.ZoneClocks[0].ZoneKey, std::string("Eastern Standard Time"));  // not before OK
    dialog.Apply();
    QCOMPARE(host.T.Timing.ZoneClocks[0].ZoneKey, std::string("Pacific Standard Time"));
    QVERIFY(host.T.Timing.ZoneClocks[0].Hour24);
    QCOMPARE(host.T.ExtraClockOffsets[0], 3.0 / 24.0);
  }

  void SystemZonesUnderWindowsKeys() {
    TQtTimeZones zones;
    const auto eastern = zones.Zone("Eastern Standard Time");
    QVERIFY(eastern.has_value());
    QCOMPARE(eastern->StandardOffset, -300);
    QVERIFY(eastern->Display.rfind("(UTC-05:00) ", 0) == 0);
    QCOMPARE(eastern->DaylightName, std::string("Eastern Daylight Time"));
    const TDateTime july = EncodeDateTime(2026, 7, 1, 12, 0, 0);
    const TDateTime january = EncodeDateTime(2026, 1, 15, 12, 0, 0);
    QCOMPARE(zones.StateAt("Eastern Standard Time", july)->UtcOffset, -240);
    QVERIFY(zones.StateAt("Eastern Standard Time", july)->IsDaylight);
    QCOMPARE(zones.StateAt("Eastern Standard Time", january)->UtcOffset, -300);
    QVERIFY(zones.StateAt("AUS Eastern Standard Time", january)->IsDaylight);
    // The change back to standard time on the US west coast: 9:00 universal time, 1 November 2026.
    QCOMPARE(zones.StateAt("Pacific Standard Time", EncodeDateTime(2026, 11, 1, 8, 59, 59))->UtcOffset, -420);
    QCOMPARE(zones.StateAt("Pacific Standard Time", EncodeDateTime(2026, 11, 1, 9, 0, 0))->UtcOffset, -480);
    QVERIFY(!zones.Zone("Pacific").has_value());  // a key of the older Windows family
    QVERIFY(!zones.StateAt("", july).has_value());
    bool listed = false;
    for (const TZoneInfo& zone : zones.Zones()) listed |= zone.Key == "India Standard Time";
    QVERIFY(listed);
  }
};

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
