// Every command of the host window as a QAction, named as the menus name
// their components, and the menus and tool bars that show them. An action
// created without a slot is disabled: its dialog or core work is not built
// yet, and whoever builds it connects the action here and enables it.
#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QToolBar>

#include "engine/Corrections.h"
#include "engine/Results.h"
#include "engine/SignUp.h"
#include "engine/Tourney.h"
#include "engine/Undo.h"
#include "formats/MatchPointsMenu.h"
#include "formats/PointsList.h"
#include "lobby/LobbyOptions.h"
#include "messages/Actions.h"
#include "messages/MacroRunner.h"
#include "storage/ActionLog.h"
#include "storage/PlayerPoints.h"
#include "storage/TournamentFile.h"
#include "timing/uMatchTimeReminders.h"
#include "ui/BracketView.h"
#include "ui/HelpBrowser.h"
#include "ui/PlayerPanel.h"
#include "ui/BottomPanel.h"
#include "ui/StatusPanels.h"
#include "ui/TarnwickForm.h"
#include "ui/uAbout.h"

namespace vkr {

QAction* TTarnwickForm::AddItem(QMenu* menu, const char* objectName, const char* caption, std::function<void()> slot) {
  auto* action = new QAction(QString::fromLatin1(caption), this);
  action->setObjectName(QString::fromLatin1(objectName));
  if (slot) {
    connect(action, &QAction::triggered, this, [this, action, slot] {
      slot();
      UpdateActions();
      // Options are the check-mark items: each change is remembered at once.
      if (action->isCheckable()) SaveSettings();
    });
  } else {
    action->setEnabled(false);
  }
  if (menu != nullptr) menu->addAction(action);
  return action;
}

void TTarnwickForm::ConnectItem(const char* objectName, std::function<void()> slot) {
  QAction* action = Action(QString::fromLatin1(objectName));
  action->setEnabled(true);
  connect(action, &QAction::triggered, this, [this, slot] {
    slot();
    UpdateActions();
  });
}

// A check-mark option: the check mark is the option's state.
QAction* TTarnwickForm::AddCheckItem(QMenu* menu, const char* objectName, const char* caption, bool* option,
                                     std::function<void()> after) {
  QAction* action = AddItem(menu, objectName, caption, [this, option, after] {
    *option = !*option;
    if (after) after();
  });
  action->setCheckable(true);
  action->setChecked(*option);
  return action;
}

QAction* TTarnwickForm::Action(const QString& objectName) const { return findChild<QAction*>(objectName); }

void TTarnwickForm::CreateActions() {
  QMenuBar* bar = menuBar();
  TTourney& t = T;

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  AddItem(file, "New1", "&New...");
  AddItem(file, "Open1", "&Open...", [this] { OpenItemClick(); })->setShortcut(QKeySequence::Open);
  AddItem(file, "Saveas1", "&Save as...", [this] { SaveAsItemClick(); });
  AddItem(file, "ExportPictureItem", "Export bracket &picture...", [this] { ExportPictureItemClick(); });
  FRecentTourneys = file->addMenu(QStringLiteral("Recent tourneys"));
  FRecentTourneys->setObjectName(QStringLiteral("RecentTourneysMenu"));
  file->addSeparator();
  AddItem(file, "EditSendPoints1", "Edit and send points...");
  file->addSeparator();
  AddItem(file, "Exit1", "E&xit", [this] {
    WriteLogLine(T, "Menu: File/Exit");
    close();
  });

  FLobbyTopMenu = bar->addMenu(QStringLiteral("&Lobby"));
  FLobbyTopMenu->setObjectName(QStringLiteral("LobbyMenu"));
  connect(FLobbyTopMenu, &QMenu::aboutToShow, this, [this] { FillLobbyMenu(FLobbyTopMenu); });

  FFormatMenu = bar->addMenu(QStringLiteral("F&ormat"));
  FFormatMenu->setObjectName(QStringLiteral("FormatMenu"));
  QMenu* points = FFormatMenu->addMenu(QStringLiteral("&Match points"));
  points->setObjectName(QStringLiteral("MatchPointsMenu"));
  FPointsGroup = new QActionGroup(this);
  static const char* const kPointsNames[5] = {"Points1Item", "Points2Item", "Points3Item", "Points4Item",
                                             "Points5Item"};
  for (int tag = 0; tag < 5; ++tag) {
    QAction* preset = AddItem(points, kPointsNames[tag], PointsPresetCaptions[static_cast<size_t>(tag)],
                              [&t, tag] { PointsClick(t, tag); });
    preset->setCheckable(true);
    FPointsGroup->addAction(preset);
  }
  FPointsGroup->addAction(AddItem(points, "Other2", "Other..."))->setCheckable(true);
  QMenu* elim = FFormatMenu->addMenu(QStringLiteral("&Elim"));
  elim->setObjectName(QStringLiteral("ElimMenu"));
  FElimGroup = new QActionGroup(this);
  static const char* const kElimNames[3] = {"Single1", "Double1", "Triple1"};
  static const char* const kElimCaptions[3] = {"&Single", "&Double", "&Triple"};
  for (int format = 0; format < 3; ++format) {
    QAction* item = AddItem(elim, kElimNames[format], kElimCaptions[format], [&t, format] {
      if (t.ElimFormat != format) SetElimFormatClick(t, format);
    });
    item->setCheckable(true);
    FElimGroup->addAction(item);
  }
  // Kept in the menu as a sign of what the format could be; never enabled.
  AddItem(elim, "Marathon1", "&Marathon");
  AddItem(elim, "Roundrobin1", "&Round-robin...");
  AddItem(elim, "Team1", "T&eam");
  QMenu* options = FFormatMenu->addMenu(QStringLiteral("&Options"));
  options->setObjectName(QStringLiteral("FormatOptionsMenu"));
  AddItem(options, "Playerpoints1", "&Player points...");
  AddItem(options, "Boottime1", "&Boot time...");
  AddItem(options, "Timelimits1", "&Time limits...");
  AddItem(options, "Defaultstarttables1", "&Default start tables...");
  AddCheckItem(options, "AssignByesItem", "&Assign all byes in Round 2", &t.AllByesInRound2, [&t] {
    WriteLogLine(t, std::string("Menu: Assign byes in round 2 = ") + (t.AllByesInRound2 ? "On" : "Off"));
  });
  AddCheckItem(options, "RandomByesItem", "Assign 2nd round byes randomly", &t.RandomlyAssignByes, [&t] {
    WriteLogLine(t, std::string("Menu: Random byes in round 2 = ") + (t.RandomlyAssignByes ? "On" : "Off"));
  });
  // Both change what the entries' points and captions are: recomputed, saved, shown.
  const auto pointsChanged = [this] {
    UpdatePlayerState(T);
    SaveTournament(T);
    RefreshAll();
  };
  AddCheckItem(options, "DoublePlayerPointsItem", "Double player points", &t.Format.DoublePlayerPoints, pointsChanged);
  AddCheckItem(FFormatMenu, "FourPlayersItem", "&4 players/table", &t.TeamMode, pointsChanged);
  AddItem(FFormatMenu, "Editformat1", "E&dit...");
  FFormatEntriesStart = FFormatMenu->addSeparator();

  QMenu* action = bar->addMenu(QStringLiteral("&Action"));
  QAction* welcome = AddItem(action, "WelcomeAction", "&Welcome (please be seated)", [&t] { WelcomeActionClick(t); });
  QAction* format = AddItem(action, "FormatAction", "&Format", [&t] { FormatActionClick(t); });
  QAction* allStart = AddItem(action, "AllStartAction", "&All Start", [&t] { AllStartActionClick(t); });
  QAction* closeItem = AddItem(action, "CloseSignupsItem", "&Close", [&t] { CloseSignups(t); });
  QAction* winners = AddItem(action, "WinnersAction", "A&nnounce Winners", [&t] { WinnersActionClick(t); });
  AddItem(action, "UndoItem", "&Undo last action", [this] {
    FViews[0]->CommitNameEdit();
    UndoClick(T);
  })->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Backspace));
  AddItem(action, "RedoItem", "&Redo last action", [&t] { RedoClick(t); })
      ->setShortcut(QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_Backspace));
  AddItem(action, "ReopenItem", "Reopen tournament");
  welcome->setIconText(QStringLiteral("Welcome"));
  welcome->setToolTip(QStringLiteral("Displays Welcome, sit at tables to get assignment"));
  format->setIconText(QStringLiteral("Format"));
  format->setToolTip(QStringLiteral("Displays the format"));
  allStart->setIconText(QStringLiteral("All Start"));
  allStart->setToolTip(QStringLiteral("Starts the tournament and timing"));
  closeItem->setIconText(QStringLiteral("Close"));
  closeItem->setToolTip(QStringLiteral("Closes the tournament and calculates when the finals are"));
  winners->setIconText(QStringLiteral("Winners!"));
  winners->setToolTip(QStringLiteral("Announces the winner, only use when tourney is finished"));

  FMacroMenu = bar->addMenu(QStringLiteral("&Macro"));
  FMacroMenu->setObjectName(QStringLiteral("MacroMenu"));
  FMacroEntriesEnd = FMacroMenu->addSeparator();
  AddItem(FMacroMenu, "Editmacros1", "&Edit...");
  AddItem(FMacroMenu, "Newmacros1", "&New...");
  AddItem(FMacroMenu, "Openmacros1", "&Open...");
  AddItem(FMacroMenu, "Saveasmacros1", "&Save as...");
  FMacroRecent = FMacroMenu->addMenu(QStringLiteral("Recent files"));
  FMacroRecent->setObjectName(QStringLiteral("MacroRecentFilesMenu"));
  FStopMenu = bar->addMenu(QStringLiteral("&Macro"));
  FStopMenu->setObjectName(QStringLiteral("StopMenu"));
  AddItem(FStopMenu, "Stop1", "&Stop", [&t] { Stop1Click(t); });

  QMenu* opts = bar->addMenu(QStringLiteral("Optio&ns"));
  QMenu* autoPost = opts->addMenu(QStringLiteral("&Auto-post options"));
  QMenu* lobbies = autoPost->addMenu(QStringLiteral("&Auto-post Lobby"));
  lobbies->setObjectName(QStringLiteral("AutoPostLobbyMenu"));
  connect(lobbies, &QMenu::aboutToShow, this, [this, lobbies] { FillLobbyMenu(lobbies); });
  AddItem(autoPost, "AutoPostPreviewItem", "Use Auto-post &preview mode", [&t] { AutoPostPreviewItemClick(t); })
      ->setCheckable(true);
  AddItem(autoPost, "AutoPostLossItem", "Aut&o-post loser's message instantly", [&t] { AutoPostLossItemClick(t); })
      ->setCheckable(true);
  AddCheckItem(autoPost, "CapNamesItem", "Capitalise names", &t.CapNames);
  AddItem(opts, "RapidAssignItem", "&Rapid-assign Active")->setCheckable(true);
  QMenu* rapid = opts->addMenu(QStringLiteral("Rapid-assign &mode"));
  AddItem(rapid, "RapidAssignModeAddItem", "Assign as added to ZoneFriends")->setCheckable(true);
  AddItem(rapid, "RapidAssignModeRemoveItem", "Assign as removed from ZoneFriends")->setCheckable(true);
  AddItem(opts, "SearchforunrestoredZFlists1", "Search for &unrestored ZF lists...");
  AddItem(opts, "SetFriendsFolderItem", "Set &ZoneFriends folder...");
  QMenu* view = opts->addMenu(QStringLiteral("&View options"));
  QAction* status = AddItem(view, "ViewStatusSummaryItem", "&View status summary", [this] {
    FStatus->SetShown(!FStatus->Shown());
    ArrangeBrackets();
  });
  status->setCheckable(true);
  AddCheckItem(view, "HideCompletedMatchesItem", "&Hide completed matches", &t.Options.HideCompletedMatches,
               [this] {
                 for (TBracketView* v : FViews) v->Redraw();
               });
  AddItem(view, "AlwaysOnTopItem", "Always on &Top", [this] {
    setWindowFlag(Qt::WindowStaysOnTopHint, !(windowFlags() & Qt::WindowStaysOnTopHint));
    show();
  })->setCheckable(true);
  QMenu* arrangement = view->addMenu(QStringLiteral("&Brackets arrangement"));
  arrangement->setObjectName(QStringLiteral("BracketsArrangementMenu"));
  FArrangementGroup = new QActionGroup(this);
  FArrangementGroup->addAction(AddItem(arrangement, "Horizontal1", "&Horizontal", [this] { ArrangementItemClick(0); }))
      ->setCheckable(true);
  FArrangementGroup->addAction(AddItem(arrangement, "Vertical1", "&Vertical", [this] { ArrangementItemClick(1); }))
      ->setCheckable(true);
  AddItem(view, "ShowLobbyInMenuItem", "Show &Lobby list in menu bar", [&t] { ShowLobbyInMenuItemClick(t); })
      ->setCheckable(true);
  QMenu* hosting = opts->addMenu(QStringLiteral("&Hosting options"));
  AddCheckItem(hosting, "ResetBootsOnAssignItem", "Reset b&oot counts on assign", &t.Options.ResetBootsOnAssign);
  AddItem(hosting, "PostManuallyItem", "&Post assignments manually", [&t] { PostManuallyItemClick(t); })
      ->setCheckable(true);
  AddCheckItem(hosting, "DisplayMatchTimeRemainingItem", "&Display match time remaining",
               &t.Timing.DisplayMatchTimeRemaining, [this] { TimerTick(); });
  AddItem(hosting, "Matchtimereminders1", "Match tim&e reminders...", [this] {
    if (Matchtimereminders1Click(T.Timing, this)) SaveSettings();
  });
  AddCheckItem(hosting, "ShowPointsAtEndItem", "&Show points at end", &t.Options.ShowPointsAtEnd);
  AddItem(opts, "ConfirmNotifyItem", "&Confirm and notify prompts...");
  AddItem(opts, "BannedPlayersItem", "Ba&nned player list...");
  AddItem(opts, "RecentPlayersItem", "Recent &player history...");
  AddItem(opts, "SetDefaultFolderItem", "Set &default folder for files...");
  connect(opts, &QMenu::aboutToShow, this, [this] { Action(QStringLiteral("AutoPostLossItem"))->setEnabled(AutoPostLossItemEnabled(T)); });

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  AddItem(help, "HowToUseItem", "&How to Use Guide", [this] { ShowHelpPage(this, QStringLiteral("how-to-use.html")); })
      ->setShortcut(QKeySequence::HelpContents);
  AddItem(help, "FAQsItem", "FAQs", [this] { ShowHelpPage(this, QStringLiteral("faq.html")); });
  AddItem(help, "About1", "&About...", [this] { ShowAboutDialog(this); });

  FPlayerMenu = new QMenu(this);
  FPlayerMenu->setObjectName(QStringLiteral("PlayerPopupMenu"));
  FPlayerMacros = FPlayerMenu->addMenu(QStringLiteral("Run macro for this player"));
  FPlayerMacros->setObjectName(QStringLiteral("PlayerMacroMenu"));
  AddItem(FPlayerMenu, "RemovePlayerItem", "Remove player (or has left)", [this] { CorrectSeat(RemovePlayer); });
  AddItem(FPlayerMenu, "BothQuitItem", "Both players have quit", [this] { CorrectSeat(BothQuit); });
  AddItem(FPlayerMenu, "ReassignPlayerItem", "Reassign player to different table",
          [this] { ReassignPlayerItemClick(); });
  AddItem(FPlayerMenu, "DisqualifyPlayerItem", "Disqualify player", [this] { CorrectSeat(DisqualifyPlayer); });
  AddItem(FPlayerMenu, "AssignWinSilentlyItem", "Assign win silently", [this] { AssignWinSilently(T, MenuSeat()); });
  AddItem(FPlayerMenu, "BanPlayerItem", "Ban player from future tourneys");
}

void TTarnwickForm::CreateToolBars() {
  FActionsBar = addToolBar(QStringLiteral("Actions"));
  FActionsBar->setObjectName(QStringLiteral("ToolBar1"));
  FActionsBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (const char* name : {"WelcomeAction", "FormatAction", "", "AllStartAction", "CloseSignupsItem", "",
                           "WinnersAction"}) {
    if (*name == 0) FActionsBar->addSeparator();
    else FActionsBar->addAction(Action(QString::fromLatin1(name)));
  }
  FMacroBar = addToolBar(QStringLiteral("Macros"));
  FMacroBar->setObjectName(QStringLiteral("CustomMacroToolbar"));
  FMacroBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
}

// Enabled states and check marks that follow the tournament.
void TTarnwickForm::UpdateActions() {
  TTourney& t = T;
  if (t.ElimFormat != FArrangedFormat) ArrangeBrackets();
  UpdateCaption();
  auto check = [this](const char* name, bool on) { Action(QString::fromLatin1(name))->setChecked(on); };
  auto enable = [this](const char* name, bool on) { Action(QString::fromLatin1(name))->setEnabled(on); };
  static const char* const kElimNames[3] = {"Single1", "Double1", "Triple1"};
  for (int format = 0; format < 3; ++format) {
    check(kElimNames[format], t.ElimFormat == format);
    enable(kElimNames[format], t.View.SignupControlsEnabled);
  }
  const int preset = t.Format.CheckedPreset;
  for (int tag = 0; tag < 6; ++tag) FPointsGroup->actions().at(tag)->setChecked(tag == preset);
  // Start tables are renumbered only while sign-ups are open.
  enable("Defaultstarttables1", t.View.SignupControlsEnabled);
  check("AssignByesItem", t.AllByesInRound2);
  enable("AssignByesItem", t.View.AssignByesItemEnabled);
  check("RandomByesItem", t.RandomlyAssignByes);
  check("CapNamesItem", t.CapNames);
  check("DoublePlayerPointsItem", t.Format.DoublePlayerPoints);
  check("FourPlayersItem", t.TeamMode);
  // Teams or players is decided before anyone is seated for good.
  enable("FourPlayersItem", t.View.SignupControlsEnabled);
  check("AutoPostPreviewItem", t.Lobby.AutoPostPreview);
  check("AutoPostLossItem", t.Lobby.AutoPostLoss);
  check("PostManuallyItem", t.Lobby.PostManually);
  check("ShowLobbyInMenuItem", t.Lobby.ShowLobbyInMenu);
  check("ResetBootsOnAssignItem", t.Options.ResetBootsOnAssign);
  check("ShowPointsAtEndItem", t.Options.ShowPointsAtEnd);
  check("HideCompletedMatchesItem", t.Options.HideCompletedMatches);
  check("ViewStatusSummaryItem", FStatus->Shown());
  check("Horizontal1", BracketArrangement == 0);
  check("Vertical1", BracketArrangement == 1);
  for (QAction* a : FArrangementGroup->actions()) a->setEnabled(t.ElimFormat != ElimSingle);
  enable("UndoItem", CanUndo(t));
  enable("RedoItem", CanRedo(t));
  FLobbyTopMenu->menuAction()->setVisible(t.Lobby.ShowLobbyInMenu);
  RebuildFormatEntries();
  RebuildMacroControls();
  RebuildRecentMacroFiles();
  UpdateRapidAssignItems();
  FMacroMenu->menuAction()->setVisible(!t.Macros.Running);
  FStopMenu->menuAction()->setVisible(t.Macros.Running);
  FPlayerPanel->Refresh();
  FBottomPanel->Refresh();
}

}  // namespace vkr
