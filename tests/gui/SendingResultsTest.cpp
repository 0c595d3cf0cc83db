// What the host sends out. The points view: refused before the start, opened
// by File's "Edit and send points..." and by the grand final, and its E-mail
// button hands the host's edited text to the mail client as a mailto: link
// the desktop can open. Bracket pictures of each file type, and a failed
// export that leaves the earlier file as it was.
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QtTest>

#include "DialogDriver.h"
#include "WindowSetup.h"
#include "engine/Results.h"
#include "fakes/FakeMail.h"
#include "qt/QtMail.h"
#include "storage/uPointsSummary.h"
#include "ui/BracketPictureExport.h"

using namespace vkr;

class SendingResultsTest : public QObject {
  Q_OBJECT

 private slots:
  // Refused before the start. Then seat 0 wins every table up to the final;
  // the final opens the view, whose E-mail button writes cup.txt and hands
  // the edited text to the mail client.
  void TheGrandFinalOpensTheViewAndEmailTakesTheEditedText() {
    TCupWindow cup;
    TTarnwickForm& form = cup.Form;
    test::TFakeMail mail;
    form.SetMail(&mail);
    TBoxAnswerer answerer;
    form.Action(QStringLiteral("EditSendPoints1"))->trigger();
    QCOMPARE(answerer.Seen.size(), 1);
    CloseWithEight(form);
    TTourney& t = form.Tourney();
    QString shown;
    WhenModal<TPointsSummaryForm>(
        [&shown](TPointsSummaryForm* view) {
          shown = view->Memo()->toPlainText();
          view->Memo()->appendPlainText(QStringLiteral("Thanks \u2022 all"));
          view->findChild<QPushButton*>(QStringLiteral("EmailButton"))->click();
        },
        false);
    for (int round = 0; round < 3; ++round) {
      const int tables = t.Model.Round(Winners, round).TableCount;
      for (int i = 0; i < tables; ++i) WinButtonClick(t, TWinButton{Winners, round, i, 0}, true);
    }
    QVERIFY(shown.contains(QStringLiteral("\nSTART POINTS\n")));
    QCOMPARE(mail.Composed.size(), size_t{1});
    const std::string& body = mail.Composed[0].Body;
    QVERIFY(body.find("START POINTS\r\n") != std::string::npos);
    QVERIFY(body.ends_with("Thanks \x95 all\r\n"));
    QCOMPARE(ReadFile(cup.Dir.filePath(QStringLiteral("cup.txt"))).toStdString(), body);
  }

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
