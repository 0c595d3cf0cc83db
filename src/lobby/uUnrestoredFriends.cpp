#include "lobby/uUnrestoredFriends.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "lobby/RapidAssign.h"

namespace vkr {

TUnrestoredFriendsForm::TUnrestoredFriendsForm(TTourney& t, const std::vector<std::string>& nicks, QWidget* parent)
    : QDialog(parent), T(t) {
  setWindowTitle(QStringLiteral("Unrestored ZoneFriends Lists"));
  setObjectName(QStringLiteral("UnrestoredFriendsForm"));
  FList = new QListWidget(this);
  FList->setObjectName(QStringLiteral("UnrestoredList"));
  for (const std::string& nick : nicks) {
    auto* item = new QListWidgetItem(QString::fromStdString(nick), FList);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(OfferedForRestore(t, nick) ? Qt::Checked : Qt::Unchecked);
  }
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* restore = buttons->addButton(QStringLiteral("Restore"), QDialogButtonBox::AcceptRole);
  restore->setObjectName(QStringLiteral("RestoreButton"));
  restore->setDefault(true);
  buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
  connect(restore, &QPushButton::clicked, this, &TUnrestoredFriendsForm::RestoreClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FList, 1);
  layout->addWidget(buttons);
  resize(340, 260);
}

void TUnrestoredFriendsForm::RestoreClick() {
  for (int i = 0; i < FList->count(); ++i) {
    if (FList->item(i)->checkState() == Qt::Checked) RestoreFriends(T, FList->item(i)->text().toStdString());
  }
  accept();
}

void SearchUnrestoredFriends(QWidget* parent, TTourney& t) {
  const std::vector<std::string> nicks = FindUnrestored(t);
  if (nicks.empty()) {
    QMessageBox::information(parent, QStringLiteral("Information"),
                             QStringLiteral("No ZoneFriends backup files where found to be restored"));
    return;
  }
  TUnrestoredFriendsForm form(t, nicks, parent);
  form.exec();
}

}  // namespace vkr
