#include "ui/TarnwickForm.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/Structure.h"
#include "formats/FormatMenu.h"
#include "lobby/LobbyChoice.h"
#include "messages/MacroControls.h"
#include "qt/QtText.h"
#include "storage/SettingsPort.h"
#include "storage/TournamentFile.h"
#include "timing/TimerTick.h"
#include "timing/ZoneClocks.h"
#include "ui/BottomPanel.h"
#include "ui/BracketView.h"
#include "ui/PlayerPanel.h"
#include "ui/StatusPanels.h"
#include "ui/ViewMetrics.h"
#include "ui/uConfirmDlg.h"

namespace vkr {

namespace {

// The folder for the host's files when none is set: under the user's documents.
std::string DefaultFilesFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  folder += QStringLiteral("/Velmar Tourney Bracket/");
  QDir().mkpath(folder);
  return QDir::toNativeSeparators(folder).toStdString();
}

}  // namespace

TTarnwickForm::TTarnwickForm(QWidget* parent) : QMainWindow(parent) {
  T.Ports.Screen = this;
  T.Ports.Clock = &FClock;
  T.Ports.Clipboard = &FClipboard;
  T.Ports.Files = &FFiles;
  FFiles.SetFilesFolder(&T.FilesFolder);
  T.Ports.TimeZones = &FTimeZones;
  LoadZoneClocks(T);
  T.FilesFolder = DefaultFilesFolder();
  setObjectName(QStringLiteral("TarnwickForm"));
  if (QScreen* screen = QGuiApplication::primaryScreen()) SetViewDpi(static_cast<int>(screen->logicalDotsPerInch()));
  setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);

  auto* main = new QWidget(this);
  main->setObjectName(QStringLiteral("MainPanel"));
  auto* column = new QVBoxLayout(main);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  FPlayerPanel = new TPlayerPanel(T, main);
  FSplitter = new QSplitter(Qt::Horizontal, main);
  FSplitter->setObjectName(QStringLiteral("BracketsPanel"));
  FSplitter->setHandleWidth(4);
  FSplitter->setChildrenCollapsible(false);
  for (int b = 0; b < kBrackets; ++b) {
    FViews[static_cast<size_t>(b)] = new TBracketView(T, b, FSplitter);
    FSplitter->addWidget(FViews[static_cast<size_t>(b)]);
    connect(FViews[static_cast<size_t>(b)]->MinimiseButton(), &QAbstractButton::toggled, this,
            [this] { ApplyMinimizedViews(); });
    connect(FViews[static_cast<size_t>(b)], &TBracketView::PlayerMenuRequested, this, &TTarnwickForm::ShowPlayerMenu);
    connect(FViews[static_cast<size_t>(b)], &TBracketView::BootMenuRequested, this, &TTarnwickForm::ShowBootMenu);
    connect(FViews[static_cast<size_t>(b)], &TBracketView::TableMenuRequested, this, &TTarnwickForm::ShowTableMenu);
  }
  connect(FSplitter, &QSplitter::splitterMoved, this, [this] { RememberPanelHeights(); });
  FSplitter->installEventFilter(this);
  FBottomPanel = new TBottomPanel(T, main);
  column->addWidget(FPlayerPanel);
  column->addWidget(FSplitter, 1);
  column->addWidget(FBottomPanel);
  setCentralWidget(main);
  connect(FPlayerPanel, &TPlayerPanel::Changed, this, [this] { UpdateActions(); });

  FStatus = new TStatusPanels(T, this);
  CreateActions();
  CreateTimingMenus();
  CreateToolBars();
  ConnectPlayerListItems();
  ConnectMacroItems();
  ConnectRapidAssignItems();

  FRefreshTimer = new QTimer(this);
  FRefreshTimer->setSingleShot(true);
  connect(FRefreshTimer, &QTimer::timeout, this, [this] { FStatus->Refresh(); });
  FTimer = new QTimer(this);
  FTimer->setInterval(1000);
  connect(FTimer, &QTimer::timeout, this, &TTarnwickForm::TimerTick);
  FTimer->start();

  RebuildFormatMenu(T, "Default");
  BuildMacroControls(T);
  resize(600, 640);
  RefreshAll();
}

TTarnwickForm::~TTarnwickForm() = default;

void TTarnwickForm::SetWindowSystem(TWindowSystemPort* windows) {
  T.Ports.Windows = windows;
  if (windows != nullptr) RefreshLobbyMenu(T);
  UpdateActions();
}

bool TTarnwickForm::OpenTourney(const QString& fileName) {
  const bool opened = OpenTournamentWithBackup(T, FromQt(QDir::toNativeSeparators(fileName)));
  if (opened) RememberTourney(fileName);
  // Loading a tournament releases every minimise button.
  for (TBracketView* view : FViews) {
    const QSignalBlocker block(view->MinimiseButton());
    view->MinimiseButton()->setChecked(false);
  }
  RefreshAll();
  return opened;
}

void TTarnwickForm::RefreshAll() {
  ArrangeBrackets();
  for (TBracketView* view : FViews) view->RebuildTabs();
  UpdateActions();
  FStatus->Refresh();
}

void TTarnwickForm::RefreshSoon() {
  if (!FRefreshTimer->isActive()) FRefreshTimer->start(0);
}

void TTarnwickForm::TimerTick() {
  // Boots, clocks, time labels, reminders and the lobby, then what they show.
  TimerTimer(T);
  FStatus->Tick();
  for (size_t b = 0; b < FViews.size(); ++b) {
    FViews[b]->SetTimes(T.Timing.RowLabels[b]);
    // A running boot shows its time on the boot buttons.
    if (!T.BootedPlayers.empty()) FViews[b]->Redraw();
  }
}

void TTarnwickForm::UpdateCaption() {
  const QString caption = ToQt(T.View.Caption);
  if (windowTitle() != caption) setWindowTitle(caption);
}

bool TTarnwickForm::Confirm(const std::string& text, bool* dontAsk) { return AskYesNo(this, ToQt(text), dontAsk); }
bool TTarnwickForm::Notify(const std::string& text) { return ShowNotice(this, ToQt(text)); }
void TTarnwickForm::Warning(const std::string& text) { QMessageBox::warning(this, QStringLiteral("Warning"), ToQt(text)); }
void TTarnwickForm::Error(const std::string& text) { QMessageBox::critical(this, QStringLiteral("Error"), ToQt(text)); }
void TTarnwickForm::Information(const std::string& text) {
  QMessageBox::information(this, QStringLiteral("Information"), ToQt(text));
}

void TTarnwickForm::RedrawRound(int bracket, int round) {
  if (bracket >= 0 && bracket < kBrackets) FViews[static_cast<size_t>(bracket)]->RedrawRound(round);
  RefreshSoon();
}

void TTarnwickForm::RebuildTabs() {
  for (TBracketView* view : FViews) view->RebuildTabs();
}

void TTarnwickForm::RepaintTabs(int bracket) {
  if (bracket >= 0 && bracket < kBrackets) FViews[static_cast<size_t>(bracket)]->RepaintTabs();
}

void TTarnwickForm::ShowTable(int bracket, int round, int tableIndex) {
  if (bracket < 0 || bracket >= kBrackets) return;
  TBracketView* view = FViews[static_cast<size_t>(bracket)];
  if (view->MinimiseButton()->isChecked()) view->MinimiseButton()->setChecked(false);
  view->ShowTable(round, tableIndex);
}

void TTarnwickForm::SetWinButton(int bracket, int round, int tableIndex, int seat, bool down) {
  if (bracket >= 0 && bracket < kBrackets) FViews[static_cast<size_t>(bracket)]->SetWinButton(round, tableIndex, seat, down);
}

void TTarnwickForm::ControlsChanged() {
  UpdateActions();
  RefreshSoon();
}

void TTarnwickForm::LinePosted(const std::string&) {}

}  // namespace vkr
