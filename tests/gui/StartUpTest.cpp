// The host window opens stored tournaments: a good file opens, a damaged one
// offers its backup and opens that when the host agrees; before any is open,
// log lines go to the folder for files, not to the folder it was started from.
// Started without a file (or with one that cannot be opened) it offers a new
// tournament.
#include <QLineEdit>
#include <QStandardPaths>
#include <QtTest>

#include "DialogDriver.h"
#include "WindowSetup.h"
#include "formats/uNewTourney.h"
#include "storage/ActionLog.h"

namespace {

// Starts a tournament "night" in dir from each new-tournament dialog shown
// while it lives, and counts them.
struct TNewTourneyStarter : TModalDriver<vkr::TNewTourneyForm> {
  explicit TNewTourneyStarter(const QString& dir)
      : TModalDriver([dir](vkr::TNewTourneyForm* dialog) {
          Child<QLineEdit>(dialog, "FileNameEdit")->setText(dir + QStringLiteral("/night"));
        }) {}
};

// A tournament file that cannot be read.
bool WriteDamaged(const QString& file) {
  QFile damaged(file);
  return damaged.open(QIODevice::WriteOnly) && damaged.write("not a tourney") > 0;
}

}  // namespace

class StartUpTest : public QObject {
  Q_OBJECT

 private slots:
  // Nothing of the user's own folders is touched.
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void OffersTheBackupOfADamagedFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("cup.vkr"));
    CopyTestFile(dir, "single8.vkr", "cup.~vkr");
    QVERIFY(WriteDamaged(file));

    vkr::TTarnwickForm form;
    TBoxAnswerer answerer(QMessageBox::Yes);
    QVERIFY(form.OpenTourney(file));
    QCOMPARE(answerer.Seen.size(), 2);
    QCOMPARE(answerer.Seen.at(1), QStringLiteral("A backup of this file exists. Do you want to load this instead?"));
    QCOMPARE(form.Tourney().ElimFormat, vkr::ElimSingle);
  }

  void LogsNothingWhereItWasStarted() {
    QTemporaryDir started, files;
    const QString home = QDir::currentPath();
    QVERIFY(QDir::setCurrent(started.path()));
    vkr::TTarnwickForm form;
    form.Tourney().FilesFolder = FolderName(files);
    vkr::WriteLogLine(form.Tourney(), "Event: before any tournament");
    QDir::setCurrent(home);
    QVERIFY(!QFile::exists(started.filePath(QStringLiteral(".log"))));
    QVERIFY(QFile::exists(files.filePath(QStringLiteral(".log"))));
  }

  void StartUpOpensTheNamedFileOrOffersANewTournament() {
    QTemporaryDir dir;
    TNewTourneyStarter starter(dir.path());
    {
      vkr::TTarnwickForm form;
      form.StartUp(CopyTestFile(dir, "double9.vkr", "cup.vkr"));
      QCOMPARE(starter.Shown, 0);
      QCOMPARE(form.Tourney().ElimFormat, vkr::ElimDouble);
      QVERIFY(form.Tourney().Model.PlayerCount() >= 9);
    }
    vkr::TTarnwickForm form;
    form.Tourney().FilesFolder = FolderName(dir);
    form.StartUp(QString());
    QCOMPARE(starter.Shown, 1);
    QCOMPARE(vkr::ToQt(form.Tourney().Storage.FileName),
             QDir::toNativeSeparators(dir.filePath(QStringLiteral("night.vkr"))));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("night.vkr"))));
  }

  // A file that cannot be opened, its backup declined, leaves no window
  // without a file: the new-tournament choice follows.
  void StartUpOffersANewTournamentWhenTheFileCannotBeOpened() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("cup.vkr"));
    QVERIFY(WriteDamaged(file));
    TNewTourneyStarter starter(dir.path());
    TBoxAnswerer answerer(QMessageBox::No);
    vkr::TTarnwickForm form;
    form.Tourney().FilesFolder = FolderName(dir);
    form.StartUp(file);
    QCOMPARE(starter.Shown, 1);
    QVERIFY(!answerer.Seen.isEmpty());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("night.vkr"))));
  }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
