// The dialogs of the Options menu reach the core: the list editor's buttons,
// the confirmations dialog's filter, the host details, the reminder switches,
// the time-zone dialog over fixed zones; and the zones the system's database
// gives under their Windows key names.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "DialogDriver.h"
#include "engine/Confirm.h"
#include "engine/ConfirmBoxes.h"
#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeTimeZones.h"
#include "qt/QtTimeZones.h"
#include "timing/uMatchTimeReminders.h"
#include "timing/uTimeZones.h"
#include "ui/TarnwickForm.h"
#include "ui/uBannedPlayers.h"
#include "ui/uConfirmNotify.h"
#include "ui/uHostDetails.h"

class OptionsDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void TheListEditorEditsItsCopy() {
    vkr::TNameList banned;
    banned.Add("Mallory");
    vkr::TBannedPlayersForm form(vkr::TBannedPlayersForm::TMode::Banned, banned);
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
    const uint32_t filter = (1U << vkr::CfBan) | (1U << vkr::CfCloseSignups);
    vkr::TConfirmNotifyForm form(filter, true);
    QVERIFY(!form.Box(1)->isChecked());
    QVERIFY(form.Box(0)->isChecked());
    QCOMPARE(form.Filter(), filter);
    form.Box(0)->click();
    QCOMPARE(form.Filter(), (1U << vkr::CfBootTimedOut) | (1U << vkr::CfCloseSignups));
    QVERIFY(form.ClearFriendsDefault());
  }

  void HostDetailsReachTheTournament() {
    vkr::TTourney t;
    vkr::THostDetailsForm form(t);
    const auto edits = form.findChildren<QLineEdit*>();
    QCOMPARE(edits.size(), 4);
    edits.at(0)->setText(QStringLiteral("Zo\u00eb"));
    form.findChildren<QCheckBox*>().at(1)->setChecked(true);
    form.StoreInto(t);
    QCOMPARE(vkr::HostDetailsOf(t).HostName, std::string("Zo\xeb"));
    QVERIFY(t.Format.CoHostUnscheduled && !t.Format.HostUnscheduled);
  }

  // The boxes show the switches; OK, not before, sets them.
  void RemindersItemShowsAndSetsTheSwitches() {
    vkr::TTarnwickForm form;
    vkr::TTimingState& timing = form.Tourney().Timing;
    timing.RemindAt15 = false;
    timing.RemindAt10 = true;
    timing.RemindAt5 = false;
    WhenModal<vkr::TMatchTimeRemindersDialog>([&timing](vkr::TMatchTimeRemindersDialog* d) {
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
    vkr::test::TTestHost host;
    vkr::test::TFakeTimeZones zones;
    host.T.Ports.TimeZones = &zones;
    host.T.Timing.ZoneClocks[1].ZoneKey = "GMT Standard Time";
    host.T.Timing.ZoneClocks[1].Hour24 = true;
    vkr::TTimeZonesDialog dialog(host.T, nullptr);
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
    vkr::TQtTimeZones zones;
    const auto eastern = zones.Zone("Eastern Standard Time");
    QVERIFY(eastern.has_value());
    QCOMPARE(eastern->StandardOffset, -300);
    QVERIFY(eastern->Display.rfind("(UTC-05:00) ", 0) == 0);
    QCOMPARE(eastern->DaylightName, std::string("Eastern Daylight Time"));
    const vkr::TDateTime july = vkr::EncodeDateTime(2026, 7, 1, 12, 0, 0);
    const vkr::TDateTime january = vkr::EncodeDateTime(2026, 1, 15, 12, 0, 0);
    QCOMPARE(zones.StateAt("Eastern Standard Time", july)->UtcOffset, -240);
    QVERIFY(zones.StateAt("Eastern Standard Time", july)->IsDaylight);
    QCOMPARE(zones.StateAt("Eastern Standard Time", january)->UtcOffset, -300);
    QVERIFY(zones.StateAt("AUS Eastern Standard Time", january)->IsDaylight);
    // The change back to standard time on the US west coast: 9:00 universal time, 1 November 2026.
    QCOMPARE(zones.StateAt("Pacific Standard Time", vkr::EncodeDateTime(2026, 11, 1, 8, 59, 59))->UtcOffset, -420);
    QCOMPARE(zones.StateAt("Pacific Standard Time", vkr::EncodeDateTime(2026, 11, 1, 9, 0, 0))->UtcOffset, -480);
    QVERIFY(!zones.Zone("Pacific").has_value());  // a key of the older Windows family
    QVERIFY(!zones.StateAt("", july).has_value());
    bool listed = false;
    for (const vkr::TZoneInfo& zone : zones.Zones()) listed |= zone.Key == "India Standard Time";
    QVERIFY(listed);
  }
};

QTEST_MAIN(OptionsDialogsTest)
#include "OptionsDialogsTest.moc"
