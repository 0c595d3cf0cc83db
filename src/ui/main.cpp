// The host window program: opens the tournament named on the command line,
// or offers a new one (with the recent tournaments) when none is named.
//   --sim-lobby          also shows a simulated lobby whose chat receives the posts
//   --demo SCRIPT        plays a scripted evening through the window (files go to
//                        the script's "new" name in the current folder)
//   --screenshot FILE    then saves a picture of the window and ends
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "qt/QtSettings.h"
#include "ui/DemoEvening.h"
#include "ui/SimLobbyWindow.h"
#include "ui/TarnwickForm.h"

namespace {

// Removes "--name VALUE" from args; empty when absent.
QString TakeOption(QStringList& args, const QString& name) {
  const int at = args.indexOf(name);
  if (at < 0 || at + 1 >= args.size()) return {};
  const QString value = args.at(at + 1);
  args.remove(at, 2);
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmar Tourney Bracket"));
  QApplication::setOrganizationName(QStringLiteral("Velmar"));
  QStringList args = QApplication::arguments();
  const bool simLobby = args.removeAll(QStringLiteral("--sim-lobby")) > 0;
  const QString demo = TakeOption(args, QStringLiteral("--demo"));
  const QString screenshot = TakeOption(args, QStringLiteral("--screenshot"));
  vkr::TTarnwickForm form;
  form.LoadSettings(std::make_unique<vkr::TQtSettings>());
  std::unique_ptr<vkr::TSimLobbyWindow> lobby;
  if (simLobby) {
    lobby = std::make_unique<vkr::TSimLobbyWindow>(QStringLiteral("Velmar Lobby"));
    form.SetWindowSystem(&lobby->Lobby());
    lobby->show();
  }
  form.show();
  const QString file = args.size() > 1 ? args.at(1) : QString();
  if (!demo.isEmpty() || !screenshot.isEmpty()) {
    // Played or pictured with nobody at the screen: no dialog may wait.
    if (!file.isEmpty()) form.OpenTourney(file);
  } else {
    QTimer::singleShot(0, &form, [&form, file] { form.StartUp(file); });
  }
  if (!demo.isEmpty()) {
    QString error;
    if (!vkr::PlayDemoEvening(form, demo, QDir::currentPath(), &error)) {
      std::fprintf(stderr, "%s\n", qPrintable(error));
      return 1;
    }
  }
  if (!screenshot.isEmpty()) {
    QApplication::processEvents();
    if (!form.grab().save(screenshot)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(screenshot));
      return 1;
    }
    return 0;
  }
  return QApplication::exec();
}
