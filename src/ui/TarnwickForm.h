#pragma once
// The host window: owns the one tournament with its ports and shows it. Each
// command is a QAction whose slot calls one core operation; the core asks
// for questions, boxes and redraws through the screen port implemented here.
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "engine/Results.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "native/FilesWithLogFolder.h"
#include "qt/QtClipboard.h"
#include "qt/QtClock.h"
#include "qt/QtFolderWatch.h"
#include "qt/QtTimeZones.h"
#include "storage/Settings.h"
#include "ui/BracketArrangement.h"

class QAction;
class QCloseEvent;
class QActionGroup;
class QMenu;
class QSplitter;
class QTimer;
class QToolBar;

namespace vkr {

class TBracketView;
class TPlayerPanel;
class TBottomPanel;
class TStatusPanels;
class TWindowSystemPort;
class TSettingsPort;

class TTarnwickForm : public QMainWindow, public TScreenPort {
  Q_OBJECT

 public:
  explicit TTarnwickForm(QWidget* parent = nullptr);
  ~TTarnwickForm() override;

  TTourney& Tourney() { return T; }

  // Opens a tournament file as File/Open does, offering the backup when it
  // cannot be read. False when nothing was opened.
  bool OpenTourney(const QString& fileName);
  // Lobby windows to post into; none: lines go to the clipboard only.
  void SetWindowSystem(TWindowSystemPort* windows);

  // The command of an objectName; null when there is none.
  QAction* Action(const QString& objectName) const;
  TBracketView* View(int bracket) const { return FViews[static_cast<size_t>(bracket)]; }
  TPlayerPanel* PlayerPanel() const { return FPlayerPanel; }
  TStatusPanels* StatusPanels() const { return FStatus; }
  QSplitter* BracketsSplitter() const { return FSplitter; }
  const TArrangement& Arrangement() const { return FArrangement; }
  // Start-up: reads the settings from the store, which the window then keeps
  // and writes after every option change and at exit.
  void LoadSettings(std::unique_ptr<TSettingsPort> store);
  void SaveSettings();
  // The one-second timer's work: clocks, boots, time labels, the lobby.
  void TimerTick();

  // The screen port.
  bool Confirm(const std::string& text, bool* dontAsk) override;
  bool Notify(const std::string& text) override;
  void Warning(const std::string& text) override;
  void Error(const std::string& text) override;
  void Information(const std::string& text) override;
  void RedrawRound(int bracket, int round) override;
  void RebuildTabs() override;
  void RepaintTabs(int bracket) override;
  void ShowTable(int bracket, int round, int tableIndex) override;
  void SetWinButton(int bracket, int round, int tableIndex, int seat, bool down) override;
  void ControlsChanged() override;
  void LinePosted(const std::string& text) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Actions and menus (FormActions.cpp).
  void CreateActions();
  QAction* AddItem(QMenu* menu, const char* objectName, const char* caption, std::function<void()> slot = {});
  QAction* AddCheckItem(QMenu* menu, const char* objectName, const char* caption, bool* option,
                        std::function<void()> after = {});
  void CreateToolBars();
  // Enables a placeholder action and connects it; the actions follow the
  // tournament again afterwards.
  void ConnectItem(const char* objectName, std::function<void()> slot);
  void CreateTimingMenus();
  void ConnectPlayerListItems();
  // The Macro menu's file commands (FormMacros.cpp).
  void ConnectMacroItems();
  void RebuildRecentMacroFiles();
  // The rapid-assign commands (FormRapidAssign.cpp).
  void ConnectRapidAssignItems();
  void UpdateRapidAssignItems();
  void UpdateActions();
  // Menus built from the tournament's data (FormMenus.cpp).
  void RebuildFormatEntries();
  void RebuildMacroControls();
  void FillLobbyMenu(QMenu* menu);
  // The player menu's corrections and the void table number (FormCorrections.cpp).
  void ShowPlayerMenu(int bracket, int round, int tableIndex, int seat, bool onWinButton, QPoint at);
  TWinButton MenuSeat() const;
  void CorrectSeat(bool (*correction)(TTourney&, const TWinButton&));
  void ReassignPlayerItemClick();
  void VoidTableItemClick();
  void ShowCorrection();
  void ShowBootMenu(int bracket, int round, int tableIndex, int seat, QPoint at);
  void ShowTableMenu(int bracket, int round, int tableIndex, QPoint at);
  void SelectTimeZones();
  void RunMacro(const std::string& name);
  // Files (FormFiles.cpp).
  void OpenItemClick();
  void SaveAsItemClick();
  void ExportPictureItemClick();
  void RebuildRecentTourneys();
  void RememberTourney(const QString& fileName);
  // Panels (FormArrangement.cpp).
  void ArrangeBrackets();
  void ApplyMinimizedViews();
  void KeepBracketProportions();
  void RememberPanelHeights();
  TArrangeInput ArrangeInput() const;
  void ApplyArrangement(const TArrangement& a);
  void ArrangementItemClick(int arrangement);
  // Everything drawn from the tournament, after it was replaced.
  void RefreshAll();
  void RefreshSoon();
  void UpdateCaption();

  TQtClipboard FClipboard;
  TQtClock FClock;
  TFilesWithLogFolder FFiles;
  TQtTimeZones FTimeZones;
  TQtFolderWatch FFolderWatch;
  TTourney T;
  std::unique_ptr<TSettingsPort> FSettingsStore;
  TSettings FSettings;

  std::array<TBracketView*, 3> FViews{};
  QSplitter* FSplitter = nullptr;
  TPlayerPanel* FPlayerPanel = nullptr;
  TBottomPanel* FBottomPanel = nullptr;
  TStatusPanels* FStatus = nullptr;
  QToolBar* FActionsBar = nullptr;
  QToolBar* FMacroBar = nullptr;
  QMenu* FFormatMenu = nullptr;
  QAction* FFormatEntriesStart = nullptr;  // the separator before the stored formats
  std::vector<QAction*> FFormatEntries;
  std::vector<std::string> FShownFormats;
  QMenu* FMacroMenu = nullptr;
  QAction* FMacroEntriesEnd = nullptr;  // the separator after the macro entries
  std::vector<QAction*> FMacroEntries;
  QMenu* FStopMenu = nullptr;
  QMenu* FLobbyTopMenu = nullptr;
  QMenu* FRecentTourneys = nullptr;
  QMenu* FPlayerMenu = nullptr;
  QMenu* FPlayerMacros = nullptr;
  QMenu* FBootMenu = nullptr;
  QMenu* FTableMenu = nullptr;
  QMenu* FTimeZoneMenu = nullptr;
  QActionGroup* FElimGroup = nullptr;
  QActionGroup* FPointsGroup = nullptr;
  QActionGroup* FArrangementGroup = nullptr;
  QTimer* FTimer = nullptr;
  QTimer* FRefreshTimer = nullptr;
  bool FMacroControlsBuilt = false;
  TMacroState FShownMacros;
  QMenu* FMacroRecent = nullptr;
  std::vector<std::string> FShownRecentMacros{"?"};  // none shown yet
  int BracketArrangement = 0;
  TArrangement FArrangement;
  std::array<int, 3> PanelHeights{};
  bool FArranging = false;
  int FArrangedFormat = -1;  // the elimination format the panels are laid out for
  QStringList FRecentFiles;
  // The seat a player pop-up menu was opened on.
  int FMenuBracket = 0, FMenuRound = 0, FMenuTable = 0, FMenuSeat = 0;
};

}  // namespace vkr
