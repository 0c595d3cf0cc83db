#include "ui/uAbout.h"

#include <QMessageBox>
#include <QtGlobal>

#include "base/Version.h"

namespace vkr {

void ShowAboutDialog(QWidget* parent) {
  QMessageBox box(parent);
  box.setObjectName(QStringLiteral("AboutBox"));
  box.setWindowTitle(QStringLiteral("About Velmar Tourney Bracket"));
  box.setIcon(QMessageBox::Information);
  box.setTextFormat(Qt::RichText);
  box.setText(QStringLiteral("<h3>Velmar Tourney Bracket</h3><p>Version %1</p>")
                  .arg(QString::fromStdString(ProgramVersionText())));
  box.setInformativeText(
      QStringLiteral("<p>Single, double and triple elimination tournaments at the numbered tables of a game "
                     "lobby: seating, results, announcements, timing, boots and reports.</p>"
                     "<p>Built with Qt %1.</p>")
          .arg(QString::fromLatin1(qVersion())));
  box.exec();
}

}  // namespace vkr
