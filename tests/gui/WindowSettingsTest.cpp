// The window's settings: the INI store reads back what the program writes
// and keeps the defaults for odd hand-edited values; a stored arrangement and
// view options shape the window at start-up, an option change is written at
// once, the placement when the window closes, and a damaged store is
// reported and ignored.
#include <QAction>
#include <QSettings>
#include <QtTest>

#include "WindowSetup.h"
#include "qt/QtSettings.h"
#include "storage/Settings.h"
#include "ui/StatusPanels.h"

class WindowSettingsTest : public QObject {
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
};

QTEST_MAIN(WindowSettingsTest)
#include "WindowSettingsTest.moc"
