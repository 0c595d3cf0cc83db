// The host window program: opens the tournament named on the command line.
#include <QApplication>

#include "ui/TarnwickForm.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmar Tourney Bracket"));
  QApplication::setOrganizationName(QStringLiteral("Velmar"));
  vkr::TTarnwickForm form;
  form.show();
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) form.OpenTourney(args.at(1));
  return QApplication::exec();
}
