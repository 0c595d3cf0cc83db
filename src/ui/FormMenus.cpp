// The menus built from the tournament's data: the stored formats of the
// Format menu, the macro entries, tool bar buttons and hot-keys, and the
// lobby submenu.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>

#include "engine/Tourney.h"
#include "formats/ApplyFormat.h"
#include "lobby/LobbyChoice.h"
#include "messages/MacroRunner.h"
#include "qt/QtText.h"
#include "ui/TarnwickForm.h"

namespace vkr {
namespace {

bool SameControls(const TMacroState& a, const TMacroState& b) {
  if (a.Entries.size() != b.Entries.size() || a.Buttons.size() != b.Buttons.size() ||
      a.PlayerEntries != b.PlayerEntries) {
    return false;
  }
  for (size_t i = 0; i < a.Entries.size(); ++i) {
    if (a.Entries[i].Name != b.Entries[i].Name || a.Entries[i].HotKey != b.Entries[i].HotKey) return false;
  }
  for (size_t i = 0; i < a.Buttons.size(); ++i) {
    if (a.Buttons[i].Caption != b.Buttons[i].Caption || a.Buttons[i].Macro != b.Buttons[i].Macro) return false;
  }
  return true;
}

}  // namespace

void TTarnwickForm::RebuildFormatEntries() {
  const std::vector<std::string>& entries = T.Format.MenuEntries;
  if (entries != FShownFormats) {
    for (QAction* a : FFormatEntries) delete a;
    FFormatEntries.clear();
    for (size_t i = 0; i < entries.size(); ++i) {
      auto* item = new QAction(ToQt(entries[i]), this);
      item->setObjectName(QStringLiteral("FormatEntry%1").arg(i));
      item->setCheckable(true);
      const int entry = static_cast<int>(i);
      connect(item, &QAction::triggered, this, [this, entry] {
        FormatClick(T, entry);
        UpdateActions();
      });
      FFormatMenu->addAction(item);
      FFormatEntries.push_back(item);
    }
    FShownFormats = entries;
  }
  for (size_t i = 0; i < FFormatEntries.size(); ++i) {
    FFormatEntries[i]->setChecked(static_cast<int>(i) == T.Format.CheckedEntry);
  }
}

void TTarnwickForm::RunMacro(const std::string& name) {
  MacroClick(T, name);
  UpdateActions();
}

void TTarnwickForm::RebuildMacroControls() {
  const TMacroState& macros = T.Macros;
  if (FMacroControlsBuilt && SameControls(macros, FShownMacros)) return;
  FMacroControlsBuilt = true;
  FShownMacros = macros;
  for (QAction* a : FMacroEntries) delete a;
  FMacroEntries.clear();
  FMacroBar->clear();
  FPlayerMacros->clear();
  for (const TMacroEntry& entry : macros.Entries) {
    auto* item = new QAction(ToQt(entry.Name), this);
    item->setObjectName(QStringLiteral("MacroEntry"));
    if (!entry.HotKey.empty()) {
      item->setShortcut(QKeySequence::fromString(ToQt(entry.HotKey), QKeySequence::PortableText));
      item->setShortcutContext(Qt::ApplicationShortcut);
    }
    const std::string name = entry.Name;
    connect(item, &QAction::triggered, this, [this, name] { RunMacro(name); });
    FMacroMenu->insertAction(FMacroEntriesEnd, item);
    FMacroEntries.push_back(item);
  }
  for (const TMacroButton& button : macros.Buttons) {
    QAction* item = FMacroBar->addAction(ToQt(button.Caption));
    const std::string name = button.Macro;
    connect(item, &QAction::triggered, this, [this, name] { RunMacro(name); });
  }
  for (const std::string& name : macros.PlayerEntries) {
    QAction* item = FPlayerMacros->addAction(ToQt(name));
    connect(item, &QAction::triggered, this, [this, name] {
      const int16_t entry = T.Model.Table(FMenuBracket, FMenuRound, FMenuTable).Seat[static_cast<size_t>(FMenuSeat)];
      if (entry != kNoEntry) PlayerMacroClick(T, entry, name);
      UpdateActions();
    });
  }
  FPlayerMacros->setEnabled(!macros.PlayerEntries.empty());
}

void TTarnwickForm::FillLobbyMenu(QMenu* menu) {
  RefreshLobbyMenu(T);
  menu->clear();
  auto* group = new QActionGroup(menu);
  for (const TLobbyMenuEntry& entry : T.Lobby.Menu) {
    QAction* item = menu->addAction(entry.Lobby.Title.empty() ? QStringLiteral("(untitled)") : ToQt(entry.Lobby.Title));
    item->setCheckable(true);
    item->setChecked(entry.Checked);
    group->addAction(item);
    const TLobbyEntry lobby = entry.Lobby;
    connect(item, &QAction::triggered, this, [this, lobby] {
      SelectLobby(T, lobby);
      UpdateActions();
    });
  }
  QAction* disabled = menu->addAction(QStringLiteral("&Disabled"));
  disabled->setObjectName(QStringLiteral("DisableLobbyItem"));
  disabled->setCheckable(true);
  disabled->setChecked(T.Lobby.DisabledChecked);
  group->addAction(disabled);
  connect(disabled, &QAction::triggered, this, [this] {
    DisableLobby(T);
    UpdateActions();
  });
}

}  // namespace vkr
