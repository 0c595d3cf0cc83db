#include "ui/HelpBrowser.h"

#include <QDialog>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// A static library's resources are registered only when named.
static void RegisterHelpPages() { Q_INIT_RESOURCE(help); }

namespace vkr {

void ShowHelpPage(QWidget* parent, const QString& page) {
  static QPointer<QDialog> window;
  if (window.isNull()) {
    RegisterHelpPages();
    window = new QDialog(parent);
    window->setObjectName(QStringLiteral("HelpWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("HelpText"));
    browser->setOpenExternalLinks(true);
    QObject::connect(browser, &QTextBrowser::sourceChanged, window,
                     [browser] { browser->window()->setWindowTitle(browser->documentTitle()); });
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    window->resize(560, 620);
  }
  window->findChild<QTextBrowser*>()->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace vkr
