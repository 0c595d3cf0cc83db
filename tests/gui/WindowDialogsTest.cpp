// The window's settings dialogs, the format manager and File/New: what the
// host enters reaches the tournament and its file, and the window shows it.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "BoxAnswerer.h"
#include "DialogChildren.h"
#include "ModalDriver.h"
#include "engine/NewTourney.h"
#include "formats/uFormatManager.h"
#include "formats/uNewTourney.h"
#include "qt/QtText.h"
#include "ui/BracketView.h"
#include "ui/TarnwickForm.h"

using namespace vkr;

namespace {

// A shown window on a new tournament "cup.vkr" in dir, its files kept there too.
std::unique_ptr<TTarnwickForm> NewWindow(const QTemporaryDir& dir) {
  auto form = std::make_unique<TTarnwickForm>();
  form->Tourney().FilesFolder = FromQt(QDir::toNativeSeparators(dir.path() + QLatin1Char('/')));
  TNewTourneyChoice choice;
  choice.FileName = FromQt(QDir::toNativeSeparators(dir.filePath(QStringLiteral("cup.vkr"))));
  StartNewTourney(form->Tourney(), choice);
  form->show();
  return form;
}

struct TSettingCase {
  const char* Item;
  std::function<void(QDialog*)> Edit;
  std::function<int(const TTourney&)> Value;
  int Entered;
};

}  // namespace

class WindowDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // OK hands the value to the tournament and the file; Cancel leaves both.
  void SettingsReachTheTournamentAndItsFile() {
    const std::vector<TSettingCase> cases = {
        {"Boottime1", [](QDialog* d) { Type(Child<QSpinBox>(d, "BootTimeEdit"), QStringLiteral("12")); },
         [](const TTourney& t) { return t.Format.BootTime; }, 12},
        {"Timelimits1", [](QDialog* d) { Type(Child<QSpinBox>(d, "Limit2Edit"), QStringLiteral("33")); },
         [](const TTourney& t) { return t.Context.TimeLimits[1]; }, 33},
        {"Playerpoints1", [](QDialog* d) { Type(Child<QSpinBox>(d, "FirstEdit"), QStringLiteral("40")); },
         [](const TTourney& t) { return t.Format.PlayerPoints.FirstPlace; }, 40},
        {"Defaultstarttables1", [](QDialog* d) { Type(Child<QSpinBox>(d, "Table1Edit"), QStringLiteral("20")); },
         [](const TTourney& t) { return t.Model.Table(Winners, 0, 0).Number; }, 20},
        {"Other2", [](QDialog* d) { Child<QRadioButton>(d, "TripleRadio")->click(); },
         [](const TTourney& t) { return t.ElimFormat; }, ElimTriple},
    };
    for (const TSettingCase& c : cases) {
      for (const bool accept : {false, true}) {
        QTemporaryDir dir;
        auto form = NewWindow(dir);
        const int before = c.Value(form->Tourney());
        QVERIFY2(before != c.Entered, c.Item);
        QAction* item = form->Action(QString::fromLatin1(c.Item));
        QVERIFY2(item->isEnabled(), c.Item);
        WhenModal<QDialog>(c.Edit, accept);
        item->trigger();
        const int expected = accept ? c.Entered : before;
        QCOMPARE(c.Value(form->Tourney()), expected);
        TTarnwickForm reopened;
        QVERIFY(reopened.OpenTourney(dir.filePath(QStringLiteral("cup.vkr"))));
        QCOMPARE(c.Value(reopened.Tourney()), expected);
      }
    }
  }

  void MatchPointsOtherShowsTheChosenEliminationAndIsChecked() {
    QTemporaryDir dir;
    auto form = NewWindow(dir);
    QVERIFY(!form->View(TwoLoss)->isVisible());
    WhenModal<QDialog>([](QDialog* d) { Child<QRadioButton>(d, "DoubleRadio")->click(); });
    form->Action(QStringLiteral("Other2"))->trigger();
    QVERIFY(form->Action(QStringLiteral("Other2"))->isChecked());
    QVERIFY(form->Action(QStringLiteral("Double1"))->isChecked());
    QVERIFY(form->View(OneLoss)->isVisible());
    // Cancel leaves the check mark where it was.
    form->Action(QStringLiteral("Points2Item"))->trigger();
    WhenModal<QDialog>([](QDialog*) {}, false);
    form->Action(QStringLiteral("Other2"))->trigger();
    QVERIFY(form->Action(QStringLiteral("Points2Item"))->isChecked());
  }

  void StartTablesAreOffOnceSignUpsClose() {
    QTemporaryDir dir;
    auto form = NewWindow(dir);
    TBoxAnswerer answerer(QMessageBox::Yes);
    QLineEdit* box = form->findChild<QLineEdit*>(QStringLiteral("NewPlayerEdit"));
    for (int i = 1; i <= 8; ++i) {
      box->setText(QStringLiteral("P%1").arg(i));
      emit box->returnPressed();
    }
    QCOMPARE(form->Tourney().Model.PlayerCount(), 8);
    form->Action(QStringLiteral("CloseSignupsItem"))->trigger();
    QVERIFY(form->Tourney().SignupsClosed);
    QVERIFY(!form->Action(QStringLiteral("Defaultstarttables1"))->isEnabled());
  }

  void FormatManagerOkRebuildsTheFormatMenu() {
    QTemporaryDir dir;
    auto form = NewWindow(dir);
    WhenModal<TFormatManagerForm>([](TFormatManagerForm* m) {
      auto* list = Child<QListWidget>(m, "FormatList");
      list->clearSelection();
      list->item(0)->setSelected(true);
      Child<QPushButton>(m, "CopyButton")->click();
    });
    form->Action(QStringLiteral("Editformat1"))->trigger();
    QStringList captions;
    for (QAction* a : form->findChild<QMenu*>(QStringLiteral("FormatMenu"))->actions()) captions << a->text();
    QVERIFY2(captions.contains(QStringLiteral("Copy of Default")), qPrintable(captions.join(',')));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Tourney Formats.ini"))));
  }

  // File/New: the old entries go, the new file is written and heads the recent list.
  void NewStartsAnEmptyTournamentInItsOwnFile() {
    QTemporaryDir dir;
    auto form = NewWindow(dir);
    TBoxAnswerer answerer(QMessageBox::Yes);
    QLineEdit* box = form->findChild<QLineEdit*>(QStringLiteral("NewPlayerEdit"));
    box->setText(QStringLiteral("Alice"));
    emit box->returnPressed();
    QCOMPARE(form->Tourney().Model.PlayerCount(), 1);
    QVERIFY(form->OpenTourney(dir.filePath(QStringLiteral("cup.vkr"))));  // now on the recent list
    const QString evening = dir.filePath(QStringLiteral("evening"));
    WhenModal<TNewTourneyForm>([evening](TNewTourneyForm* d) {
      Child<QLineEdit>(d, "FileNameEdit")->setText(evening);
      Child<QCheckBox>(d, "TeamsCheck")->setChecked(true);
    });
    form->Action(QStringLiteral("New1"))->trigger();
    const TTourney& t = form->Tourney();
    QCOMPARE(t.Model.PlayerCount(), 0);
    QVERIFY(t.TeamMode);
    QCOMPARE(ToQt(t.Storage.FileName), QDir::toNativeSeparators(evening + QStringLiteral(".vkr")));
    QVERIFY(QFile::exists(evening + QStringLiteral(".vkr")));
    QMenu* recent = form->findChild<QMenu*>(QStringLiteral("RecentTourneysMenu"));
    QCOMPARE(recent->actions().value(0)->text(), QStringLiteral("evening.vkr"));

    // "Restore" on the recent list's entry reopens that tournament instead.
    WhenModal<TNewTourneyForm>(
        [](TNewTourneyForm* d) {
          auto* list = Child<QListWidget>(d, "RecentList");
          list->setCurrentRow(1);
          Child<QPushButton>(d, "RestoreButton")->click();
        },
        false);
    form->Action(QStringLiteral("New1"))->trigger();
    QVERIFY(ToQt(t.Storage.FileName).endsWith(QStringLiteral("cup.vkr")));
    QCOMPARE(t.Model.PlayerCount(), 1);
  }
};

QTEST_MAIN(WindowDialogsTest)
#include "WindowDialogsTest.moc"
