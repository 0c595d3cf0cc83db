// The rapid-assign commands of the Options menu, the folder of the lobby
// client's friends lists, and the 2-second check of the host's lobby name.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

#include "engine/Tourney.h"
#include "lobby/RapidAssign.h"
#include "lobby/RapidAssignMenu.h"
#include "lobby/uUnrestoredFriends.h"
#include "ui/TarnwickForm.h"

namespace vkr {
namespace {

constexpr int kNickCheckMs = 2000;

}  // namespace

void TTarnwickForm::ConnectRapidAssignItems() {
  T.Ports.FolderWatch = &FFolderWatch;
  ConnectItem("RapidAssignItem", [this] {
    RapidAssignItemClick(T);
    SaveSettings();  // the clear question's answer is kept
  });
  ConnectItem("RapidAssignModeAddItem", [this] {
    RapidAssignModeAddItemClick(T);
    SaveSettings();
  });
  ConnectItem("RapidAssignModeRemoveItem", [this] { RapidAssignModeRemoveItemClick(T); });
  ConnectItem("SearchforunrestoredZFlists1", [this] { SearchUnrestoredFriends(this, T); });
  ConnectItem("SetFriendsFolderItem", [this] {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Select the lobby client's folder of ZoneFriends lists (one folder per lobby name):"),
        QString::fromStdString(T.RapidAssign.FavoritesRoot));
    if (folder.isEmpty()) return;
    T.RapidAssign.FavoritesRoot = QDir::toNativeSeparators(folder + QLatin1Char('/')).toStdString();
    SaveSettings();
  });
  auto* nickCheck = new QTimer(this);
  nickCheck->setInterval(kNickCheckMs);
  connect(nickCheck, &QTimer::timeout, this, [this] {
    if (!T.RapidAssign.Active) return;
    RapidAssignNickCheck(T);
    if (!T.RapidAssign.Active) UpdateActions();
  });
  nickCheck->start();
}

void TTarnwickForm::UpdateRapidAssignItems() {
  const TRapidAssignState& ra = T.RapidAssign;
  Action(QStringLiteral("RapidAssignItem"))->setChecked(ra.Active);
  Action(QStringLiteral("RapidAssignModeAddItem"))->setChecked(ra.AddMode);
  Action(QStringLiteral("RapidAssignModeRemoveItem"))->setChecked(!ra.AddMode);
  Action(QStringLiteral("SearchforunrestoredZFlists1"))->setEnabled(SearchUnrestoredEnabled(T));
}

}  // namespace vkr
