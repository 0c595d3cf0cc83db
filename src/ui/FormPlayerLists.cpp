// The player-list commands: the list editors, the confirmations dialog, the
// folder for files, banning a player, and the host details.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>

#include "base/Text.h"
#include "engine/Confirm.h"
#include "qt/QtText.h"
#include "storage/ActionLog.h"
#include "storage/SideFiles.h"
#include "ui/BottomPanel.h"
#include "ui/TarnwickForm.h"
#include "ui/uBannedPlayers.h"
#include "ui/uConfirmNotify.h"
#include "ui/uHostDetails.h"

namespace vkr {

void TTarnwickForm::ConnectPlayerListItems() {
  auto wire = [this](const char* name, std::function<void()> slot) { ConnectItem(name, std::move(slot)); };
  auto editList = [this](TBannedPlayersForm::TMode mode, TNameList& list) {
    TBannedPlayersForm form(mode, list, this);
    if (form.exec() != QDialog::Accepted) return;
    list = form.List();
    SaveSettings();
  };
  wire("BannedPlayersItem", [this, editList] { editList(TBannedPlayersForm::TMode::Banned, T.BannedPlayers); });
  wire("RecentPlayersItem", [this, editList] { editList(TBannedPlayersForm::TMode::Recent, T.RecentPlayers); });
  wire("ConfirmNotifyItem", [this] {
    TConfirmNotifyForm form(T.ConfirmFilter, T.ClearFriendsDefault, this);
    if (form.exec() != QDialog::Accepted) return;
    T.ConfirmFilter = form.Filter();
    T.ClearFriendsDefault = form.ClearFriendsDefault();
    SaveSettings();
  });
  wire("SetDefaultFolderItem", [this] {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Select the folder to store all Tourney Bracket files into:"), ToQt(T.FilesFolder));
    if (folder.isEmpty()) return;
    if (MoveFilesFolder(T, FromQt(QDir::toNativeSeparators(folder)))) SaveSettings();
  });
  wire("BanPlayerItem", [this] {
    const TTable& table = T.Model.Table(TTableRef::Of(FMenuBracket, FMenuRound, FMenuTable));
    if (!table.SeatTaken(FMenuSeat)) return;
    const std::string name = T.Model.Player(table.Seat[FMenuSeat]).Name;
    if (!AskFiltered(T, CfBan, Sprintf("Are you sure you want to ban \"%s\" from future tournaments?", name.c_str()))) {
      return;
    }
    T.BannedPlayers.Add(name);
    SaveSettings();
  });
  QPushButton* hosts = FBottomPanel->HostsButton();
  hosts->setEnabled(true);
  connect(hosts, &QPushButton::clicked, this, [this] {
    THostDetailsForm form(T, this);
    if (form.exec() == QDialog::Accepted) form.StoreInto(T);
  });
}

}  // namespace vkr
