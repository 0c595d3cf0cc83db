// The INI settings store: what the program writes it reads back, and a
// hand-edited file with odd values keeps the defaults.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "qt/QtSettings.h"
#include "storage/Settings.h"

class SettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void WrittenSettingsReadBack() {
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
  }

  void OddValuesKeepTheirDefaults() {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Tarnwick.ini"));
    QFile file(ini);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nLeft=1\nTop=2\nAlways%20On%20Top=yes\nShow%20Status%20Summary=0\nRestoreMRU\\size=99999\n");
    file.close();
    vkr::TQtSettings store(ini);
    vkr::TSettings s;
    QVERIFY(vkr::ReadSettings(store, s));
    QVERIFY(!s.AlwaysOnTop);
    QVERIFY(!s.ShowStatusSummary);
    QVERIFY(s.RecentTourneys.empty());
  }
};

QTEST_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
