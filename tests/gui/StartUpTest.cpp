// The window as it starts: the INI store reads back what the program writes
// and keeps the defaults for odd hand-edited values; stored settings shape
// the window, an option change is written at once, the placement when the
// window closes, and a damaged store is reported and ignored. It opens a
// good file, or a damaged one's backup when the host agrees, or else offers
// a new tournament; before any is open, log lines go to the folder for
// files. The Help menu's pages and About.
#include <QAction>
#include <QLineEdit>
#include <QSettings>
#include <QTextBrowser>
#include <QtTest>

#include "DialogDriver.h"
#include "WindowSetup.h"
#include "base/Version.h"
#include "formats/uNewTourney.h"
#include "qt/QtSettings.h"
#include "storage/ActionLog.h"
#include "storage/Settings.h"
#include "ui/StatusPanels.h"

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
  void WrittenSettingsReadBackAndOddValuesKeepTheirDefaults() {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Tarnwick.ini"));
    vkr::TSettings s;
    s.Left = 40, s.Top = -8, s.HostName = "Z\xe9" "d", s.AlwaysOnTop = true;
    s.RecentTourneys = {"/a/cup.vkr", "/b/x=y;z.vkr"};
    {
      vkr::TQtSettings store(ini);
      vkr::WriteSettings(store, s);
    }
    vkr::TQtSettings store(ini);
    vkr::TSettings back;
    QVERIFY(vkr::ReadSettings(store, back));
    QCOMPARE(back.Top.value_or(0), -8);
    QCOMPARE(back.HostName, s.HostName);
    QVERIFY(back.AlwaysOnTop);
    QVERIFY(back.RecentTourneys == s.RecentTourneys);

    const QString edited = dir.filePath(QStringLiteral("Edited.ini"));
    WriteFile(edited, "[General]\nLeft=1\nTop=2\nAlways%20On%20Top=yes\nShow%20Status%20Summary=0\nRestoreMRU\\size=99999\n");
    vkr::TQtSettings odd(edited);
    vkr::TSettings kept;
    QVERIFY(vkr::ReadSettings(odd, kept));
    QVERIFY(!kept.AlwaysOnTop);
    QVERIFY(!kept.ShowStatusSummary);
    QVERIFY(kept.RecentTourneys.empty());
  }

  void StoredSettingsShapeTheWindowAndChangesAreWritten() {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Tarnwick.ini"));
    {
      QSettings seed(ini, QSettings::IniFormat);
      seed.setValue(QStringLiteral("Left"), 30);
      seed.setValue(QStringLiteral("Top"), 40);
      seed.setValue(QStringLiteral("Bracket Arrangement"), 1);
      seed.setValue(QStringLiteral("Show Status Summary"), 0);
      seed.setValue(QStringLiteral("Cap Names"), 0);
      seed.setValue(QStringLiteral("Default location"), dir.path() + QStringLiteral("/"));
    }
    vkr::TTarnwickForm form;
    form.LoadSettings(std::make_unique<vkr::TQtSettings>(ini));
    QVERIFY(!form.StatusPanels()->Shown());
    QVERIFY(form.Action(QStringLiteral("Vertical1"))->isChecked());
    QCOMPARE(form.Tourney().FilesFolder, (dir.path() + QStringLiteral("/")).toStdString());

    form.Action(QStringLiteral("CapNamesItem"))->trigger();
    QVERIFY(form.Tourney().CapNames);
    QCOMPARE(QSettings(ini, QSettings::IniFormat).value(QStringLiteral("Cap Names")).toInt(), 1);

    form.Tourney().BannedPlayers.Add("Mallory");
    form.close();
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("BannedPlayers.txt"))));
    QVERIFY(QSettings(ini, QSettings::IniFormat).contains(QStringLiteral("Height")));
  }

  void AStoreWithoutThePlacementIsReportedOnce() {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Tarnwick.ini"));
    QSettings(ini, QSettings::IniFormat).setValue(QStringLiteral("Host name"), QStringLiteral("Zed"));
    vkr::TTarnwickForm form;
    TBoxAnswerer answerer;
    form.LoadSettings(std::make_unique<vkr::TQtSettings>(ini));
    QCOMPARE(answerer.Seen, QStringList{QStringLiteral("Error reading configuration")});
    QVERIFY(form.StatusPanels()->Shown());
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

  void PagesOpenAndLinkToEachOtherAndAboutNamesTheVersion() {
    vkr::TTarnwickForm form;
    form.Action(QStringLiteral("HowToUseItem"))->trigger();
    auto* browser = form.findChild<QTextBrowser*>(QStringLiteral("HelpText"));
    QVERIFY(browser != nullptr);
    QCOMPARE(browser->window()->windowTitle(), QStringLiteral("How to Use Velmar Tourney Bracket"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Win button")));
    browser->setSource(QUrl(QStringLiteral("faq.html")));  // as the page's own link does
    QCOMPARE(browser->window()->windowTitle(), QStringLiteral("Velmar Tourney Bracket FAQs"));
    form.Action(QStringLiteral("HowToUseItem"))->trigger();
    QCOMPARE(form.findChildren<QTextBrowser*>().size(), 1);  // one window serves both pages
    form.Action(QStringLiteral("FAQsItem"))->trigger();
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Where are my files?")));

    TBoxAnswerer answerer;
    form.Action(QStringLiteral("About1"))->trigger();
    QCOMPARE(answerer.Seen.size(), 1);
    QVERIFY(answerer.Seen.at(0).contains(QString::fromStdString(vkr::ProgramVersionText())));
  }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
