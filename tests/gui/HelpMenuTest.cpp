// The Help menu: both pages open from the program itself and link to each
// other; About names the version.
#include <QAction>
#include <QTextBrowser>
#include <QtTest>

#include "BoxAnswerer.h"
#include "base/Version.h"
#include "ui/TarnwickForm.h"

class HelpMenuTest : public QObject {
  Q_OBJECT

 private slots:
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

QTEST_MAIN(HelpMenuTest)
#include "HelpMenuTest.moc"
