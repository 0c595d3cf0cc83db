// The window's settings: a stored arrangement and view options shape the
// window at start-up, an option change is written at once, the placement
// when the window closes, and a damaged store is reported and ignored.
#include <QAction>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "BoxAnswerer.h"
#include "qt/QtSettings.h"
#include "ui/StatusPanels.h"
#include "ui/TarnwickForm.h"

class WindowSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

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
