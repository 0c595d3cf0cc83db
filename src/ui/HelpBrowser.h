#pragma once
// The Help menu's pages, built into the program so they open without a
// network or an installed copy: a browser window that follows the links
// between them and hands outside addresses to the user's web browser.
#include <QString>

class QWidget;

namespace vkr {

// page: "how-to-use.html" or "faq.html". One window serves both pages.
void ShowHelpPage(QWidget* parent, const QString& page);

}  // namespace vkr
