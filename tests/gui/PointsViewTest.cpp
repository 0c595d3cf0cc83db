// The points view: refused before the start, opened by File's "Edit and send
// points..." and by the grand final, and its E-mail button hands the host's
// edited text to the mail client as a mailto: link the desktop can open.
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "BoxAnswerer.h"
#include "ModalDriver.h"
#include "engine/NewTourney.h"
#include "engine/Results.h"
#include "engine/SignUp.h"
#include "fakes/FakeMail.h"
#include "qt/QtMail.h"
#include "qt/QtText.h"
#include "storage/uPointsSummary.h"
#include "ui/TarnwickForm.h"

using namespace vkr;

namespace {

// A new tournament "cup.vkr" in dir.
void StartCup(TTarnwickForm& form, const QTemporaryDir& dir) {
  TTourney& t = form.Tourney();
  t.FilesFolder = FromQt(QDir::toNativeSeparators(dir.path() + QLatin1Char('/')));
  TNewTourneyChoice choice;
  choice.FileName = FromQt(QDir::toNativeSeparators(dir.filePath(QStringLiteral("cup.vkr"))));
  StartNewTourney(t, choice);
}

// Eight players signed up two to a table, sign-ups closed.
void StartEight(TTarnwickForm& form, const QTemporaryDir& dir) {
  StartCup(form, dir);
  TTourney& t = form.Tourney();
  t.OnePlayerPerTable = false;
  for (const char* name : {"Alice", "Bob", "Carol", "Dave", "Erin", "Frank", "Gina", "Hank"}) AddButtonClick(t, name);
  CloseSignups(t);
}

}  // namespace

class PointsViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void RefusedBeforeTheStart() {
    QTemporaryDir dir;
    TTarnwickForm form;
    StartCup(form, dir);
    TBoxAnswerer answerer;
    form.Action(QStringLiteral("EditSendPoints1"))->trigger();
    QCOMPARE(answerer.Seen, QStringList{QStringLiteral("Points cannot be generated until the tourney has been started")});
  }

  // Seat 0 wins every table up to the final; the final opens the view, whose
  // E-mail button writes cup.txt and hands the edited text to the mail client.
  void TheGrandFinalOpensTheViewAndEmailTakesTheEditedText() {
    QTemporaryDir dir;
    TTarnwickForm form;
    test::TFakeMail mail;
    form.SetMail(&mail);
    TBoxAnswerer answerer;
    StartEight(form, dir);
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
    QFile file(dir.filePath(QStringLiteral("cup.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), body);
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
};

QTEST_MAIN(PointsViewTest)
#include "PointsViewTest.moc"
