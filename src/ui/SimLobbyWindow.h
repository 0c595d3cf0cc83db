#pragma once
// A small window showing a simulated lobby's chat, so posting can be watched
// end to end where no lobby client runs.
#include <QWidget>
#include <memory>

#include "sim/SimLobby.h"

class QPlainTextEdit;
class QLineEdit;

namespace vkr {

class TSimLobbyWindow : public QWidget {
  Q_OBJECT

 public:
  // Opens one lobby window of the given title in the simulation.
  explicit TSimLobbyWindow(const QString& title, QWidget* parent = nullptr);
  TSimLobby& Lobby() { return FLobby; }
  QPlainTextEdit* Chat() const { return FChat; }

 private:
  TSimLobby FLobby;
  QPlainTextEdit* FChat;
  QLineEdit* FChatBox;
};

}  // namespace vkr
