// The host window opens stored tournaments: a good file opens, a damaged one
// offers its backup and opens that when the host agrees; before any is open,
// log lines go to the folder for files, not to the folder it was started from.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "BoxAnswerer.h"
#include "storage/ActionLog.h"
#include "ui/TarnwickForm.h"

class StartUpTest : public QObject {
  Q_OBJECT

 private slots:
  // Nothing of the user's own folders is touched.
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void OpensAGoodFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("cup.vkr"));
    QVERIFY(QFile::copy(QStringLiteral(VKR_TEST_DATA "/double9.vkr"), file));
    vkr::TTarnwickForm form;
    QVERIFY(form.OpenTourney(file));
    QCOMPARE(form.Tourney().ElimFormat, vkr::ElimDouble);
    QVERIFY(form.Tourney().Model.PlayerCount() >= 9);
  }

  void OffersTheBackupOfADamagedFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("cup.vkr"));
    QVERIFY(QFile::copy(QStringLiteral(VKR_TEST_DATA "/single8.vkr"), dir.filePath(QStringLiteral("cup.~vkr"))));
    QFile damaged(file);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a tourney");
    damaged.close();

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
    form.Tourney().FilesFolder = QDir::toNativeSeparators(files.path() + QLatin1Char('/')).toStdString();
    vkr::WriteLogLine(form.Tourney(), "Event: before any tournament");
    QDir::setCurrent(home);
    QVERIFY(!QFile::exists(started.filePath(QStringLiteral(".log"))));
    QVERIFY(QFile::exists(files.filePath(QStringLiteral(".log"))));
  }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
