// What the host sends out: the points view's mail as a mailto: link the
// desktop can open, bracket pictures of each file type, and a failed export
// that leaves the earlier file as it was.
#include <QImage>
#include <QUrl>
#include <QtTest>

#include "WindowSetup.h"
#include "qt/QtMail.h"
#include "ui/BracketPictureExport.h"

using namespace vkr;

class SendingResultsTest : public QObject {
  Q_OBJECT

 private slots:
  void MailtoUrlIsPercentEncodedUtf8() {
    const struct {
      const char* Subject;
      const char* Body;
      const char* Url;
    } cases[] = {
        {"Results for Fast Tournament at 8:30pm on 05 Dec 26", "a b\r\nc",
         "mailto:?subject=Results%20for%20Fast%20Tournament%20at%208%3A30pm%20on%2005%20Dec%2026&body=a%20b%0D%0Ac"},
        // Characters that would end or split a query part, and Windows-1252 text.
        {"x&y=z?#", "100% + \x95 caf\xE9", "mailto:?subject=x%26y%3Dz%3F%23&body=100%25%20%2B%20%E2%80%A2%20caf%C3%A9"},
        {"", "", "mailto:?subject=&body="},
    };
    for (const auto& c : cases) {
      const QByteArray url = MailtoUrl(TMailMessage{c.Subject, c.Body});
      QCOMPARE(url, QByteArray(c.Url));
      // What the desktop is handed is that text, and it reads back as entered.
      const QUrl parsed = QUrl::fromEncoded(url, QUrl::StrictMode);
      QVERIFY(parsed.isValid());
      QCOMPARE(parsed.toEncoded(), url);
      QCOMPARE(FromQt(QUrl::fromPercentEncoding(url.mid(url.indexOf("&body=") + 6))), std::string(c.Body));
    }
  }

  // File / "Export bracket picture...": each file type holds the whole
  // bracket (every entry's name; a PNG that is a real picture, not a blank
  // page). A failed export says which file and leaves an earlier one as it was.
  void PicturesHoldEveryNameAndAFailedExportChangesNothing() {
    QTemporaryDir dir;
    TTarnwickForm form;
    QVERIFY(form.OpenTourney(CopyTestFile(dir, "double9.vkr", "double9.vkr")));
    const TTourney& t = form.Tourney();
    for (const char* name : {"cup.svg", "cup.html"}) {
      QString error;
      QVERIFY2(ExportBracketPicture(t, dir.filePath(QString::fromLatin1(name)), &error), qPrintable(error));
      const QString text = QString::fromUtf8(ReadFile(dir.filePath(QString::fromLatin1(name))));
      for (int i = 0; i < t.Model.PlayerCount(); ++i)
        QVERIFY2(text.contains(ToQt(t.Model.Player(i).Name).toHtmlEscaped()), name);
    }
    QString error;
    QVERIFY2(ExportBracketPicture(t, dir.filePath(QStringLiteral("cup.PNG")), &error), qPrintable(error));
    const QImage png(dir.filePath(QStringLiteral("cup.PNG")));
    QVERIFY(png.width() > 1000 && png.height() > 300);
    int dark = 0;
    for (int y = 0; y < png.height(); y += 4)
      for (int x = 0; x < png.width(); x += 4) dark += qGray(png.pixel(x, y)) < 128;
    QVERIFY2(dark > 500, "the PNG is blank");

    QVERIFY(!ExportBracketPicture(t, dir.filePath(QStringLiteral("no/such/folder/cup.svg")), &error));
    QVERIFY(error.contains(QStringLiteral("cup.svg")));
    const QString earlier = dir.filePath(QStringLiteral("cup.txt"));
    WriteFile(earlier, "earlier");
    QVERIFY(!ExportBracketPicture(t, earlier, &error));
    QCOMPARE(ReadFile(earlier), QByteArray("earlier"));
  }
};

QTEST_MAIN(SendingResultsTest)
#include "SendingResultsTest.moc"
