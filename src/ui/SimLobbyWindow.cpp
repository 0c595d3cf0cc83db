#include "ui/SimLobbyWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "lobby/LobbyWindows.h"
#include "qt/QtText.h"

namespace vkr {

TSimLobbyWindow::TSimLobbyWindow(const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window), FLobby([] { return FromQt(QApplication::clipboard()->text()); }) {
  setObjectName(QStringLiteral("SimLobbyWindow"));
  setWindowTitle(title + QStringLiteral(" (simulated lobby)"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Chat of the simulated lobby \"%1\":").arg(title), this));
  FChat = new QPlainTextEdit(this);
  FChat->setReadOnly(true);
  FChatBox = new QLineEdit(this);
  FChatBox->setReadOnly(true);
  FChatBox->setPlaceholderText(QStringLiteral("chat box"));
  layout->addWidget(FChat, 1);
  layout->addWidget(FChatBox);
  FLobby.SetHooks([this](const std::string&, const std::string& text) { FChatBox->setText(ToQt(text)); },
                  [this](const std::string&, const std::string& text) {
                    FChat->appendPlainText(ToQt(text));
                    FChatBox->clear();
                  });
  FLobby.OpenLobby(FromQt(title), std::string(kClientLobbyClass));
  resize(460, 300);
}

}  // namespace vkr
