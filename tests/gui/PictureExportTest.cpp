// File / "Export bracket picture...": each file type holds the whole bracket
// (every entry's name; a PNG that is a real picture, not a blank page), and a
// failed export leaves the earlier file as it was.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/Tourney.h"
#include "qt/QtText.h"
#include "ui/BracketPictureExport.h"
#include "ui/TarnwickForm.h"

namespace {

// Opens a copy: opening writes log lines beside the file.
bool OpenCopy(vkr::TTarnwickForm& form, const QTemporaryDir& dir, const char* name) {
  const QString copy = dir.filePath(QString::fromLatin1(name));
  return QFile::copy(QStringLiteral(VKR_TEST_DATA "/") + QString::fromLatin1(name), copy) && form.OpenTourney(copy);
}

}  // namespace

class PictureExportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void WritesEachTypeWithEveryName() {
    QTemporaryDir dir;
    vkr::TTarnwickForm form;
    QVERIFY(OpenCopy(form, dir, "double9.vkr"));
    const vkr::TTourney& t = form.Tourney();
    for (const char* name : {"cup.svg", "cup.html"}) {
      QString error;
      QVERIFY2(vkr::ExportBracketPicture(t, dir.filePath(QString::fromLatin1(name)), &error), qPrintable(error));
      QFile file(dir.filePath(QString::fromLatin1(name)));
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString text = QString::fromUtf8(file.readAll());
      for (int i = 0; i < t.Model.PlayerCount(); ++i)
        QVERIFY2(text.contains(vkr::ToQt(t.Model.Player(i).Name).toHtmlEscaped()), name);
    }
    QString error;
    QVERIFY2(vkr::ExportBracketPicture(t, dir.filePath(QStringLiteral("cup.PNG")), &error), qPrintable(error));
    const QImage png(dir.filePath(QStringLiteral("cup.PNG")));
    QVERIFY(png.width() > 1000 && png.height() > 300);
    int dark = 0;
    for (int y = 0; y < png.height(); y += 4)
      for (int x = 0; x < png.width(); x += 4) dark += qGray(png.pixel(x, y)) < 128;
    QVERIFY2(dark > 500, "the PNG is blank");
  }

  void AFailedExportChangesNothing() {
    QTemporaryDir dir;
    vkr::TTarnwickForm form;
    QVERIFY(OpenCopy(form, dir, "single8.vkr"));
    QString error;
    QVERIFY(!vkr::ExportBracketPicture(form.Tourney(), dir.filePath(QStringLiteral("no/such/folder/cup.svg")), &error));
    QVERIFY(error.contains(QStringLiteral("cup.svg")));
    const QString earlier = dir.filePath(QStringLiteral("cup.txt"));
    QFile file(earlier);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("earlier");
    file.close();
    QVERIFY(!vkr::ExportBracketPicture(form.Tourney(), earlier, &error));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("earlier"));
  }
};

QTEST_MAIN(PictureExportTest)
#include "PictureExportTest.moc"
