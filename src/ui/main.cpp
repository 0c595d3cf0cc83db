// The host window program: opens the tournament named on the command line.
// --sim-lobby also shows a simulated lobby whose chat receives the posts.
#include <QApplication>
#include <memory>

#include "ui/SimLobbyWindow.h"
#include "ui/TarnwickForm.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmar Tourney Bracket"));
  QApplication::setOrganizationName(QStringLiteral("Velmar"));
  QStringList args = QApplication::arguments();
  const bool simLobby = args.removeAll(QStringLiteral("--sim-lobby")) > 0;
  vkr::TTarnwickForm form;
  std::unique_ptr<vkr::TSimLobbyWindow> lobby;
  if (simLobby) {
    lobby = std::make_unique<vkr::TSimLobbyWindow>(QStringLiteral("Velmar Lobby"));
    form.SetWindowSystem(&lobby->Lobby());
    lobby->show();
  }
  form.show();
  if (args.size() > 1) form.OpenTourney(args.at(1));
  return QApplication::exec();
}
