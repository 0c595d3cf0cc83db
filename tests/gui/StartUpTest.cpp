// The host window opens stored tournaments: a good file opens, a damaged one
// offers its backup and opens that when the host agrees; before any is open,
// log lines go to the folder for files, not to the folder it was started from.
// Started without a file (or with one that cannot be opened) it offers a new
// tournament.
#include <QLineEdit>
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

}  // namespace

class StartUpTest : public QObject {
  Q_OBJECT

 private slots:
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

  // Started with a good file it opens it; a damaged one offers its backup,
  // opened on Yes. On No, or without a file, a new tournament is offered so
  // no window is left without one.
  void StartUpOpensTheFileItsBackupOrANewTournament() {
    const struct {
      const char* Stored;  // copied as cup.vkr, or as its backup when Damaged
      bool Damaged;
      QMessageBox::StandardButton Answer;
      int Boxes;
      const char* Opened;
      int Entries;
    } cases[] = {
        {"double9.vkr", false, QMessageBox::Yes, 0, "cup.vkr", 9},
        {"single8.vkr", true, QMessageBox::Yes, 2, "cup.vkr", 8},  // the damage, then the offer
        {"single8.vkr", true, QMessageBox::No, 2, "night.vkr", 0},
        {nullptr, false, QMessageBox::Yes, 0, "night.vkr", 0},
    };
    for (const auto& c : cases) {
      QTemporaryDir dir;
      const QString file = c.Stored == nullptr ? QString() : dir.filePath(QStringLiteral("cup.vkr"));
      if (c.Stored != nullptr) CopyTestFile(dir, c.Stored, c.Damaged ? "cup.~vkr" : "cup.vkr");
      if (c.Damaged) WriteFile(file, "not a tourney");
      TNewTourneyStarter starter(dir.path());
      TBoxAnswerer answerer(c.Answer);
      vkr::TTarnwickForm form;
      form.Tourney().FilesFolder = FolderName(dir);
      form.StartUp(file);
      QCOMPARE(answerer.Seen.size(), c.Boxes);
      QCOMPARE(starter.Shown, QLatin1String(c.Opened) == QLatin1String("night.vkr") ? 1 : 0);
      const QString opened = dir.filePath(QString::fromLatin1(c.Opened));
      QCOMPARE(vkr::ToQt(form.Tourney().Storage.FileName), QDir::toNativeSeparators(opened));
      QVERIFY(QFile::exists(opened));
      QCOMPARE(form.Tourney().Model.PlayerCount(), c.Entries);
    }
  }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
