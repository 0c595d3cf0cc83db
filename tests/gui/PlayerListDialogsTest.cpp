// The player-list dialogs reach the core: the list editor's buttons, the
// confirmations dialog's filter, the host details.
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include "engine/Confirm.h"
#include "engine/ConfirmBoxes.h"
#include "engine/Tourney.h"
#include "ui/uBannedPlayers.h"
#include "ui/uConfirmNotify.h"
#include "ui/uHostDetails.h"

class PlayerListDialogsTest : public QObject {
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
};

QTEST_MAIN(PlayerListDialogsTest)
#include "PlayerListDialogsTest.moc"
