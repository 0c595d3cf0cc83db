#include "ui/TarnwickForm.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include "qt/QtText.h"
#include "storage/TournamentFile.h"
#include "timing/TimerTick.h"
#include "timing/ZoneClocks.h"
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
  T.Ports.TimeZones = &FTimeZones;
  LoadZoneClocks(T);
  // The one-second tick: boots, clocks, time labels, reminders, the lobby.
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, [this] { TimerTimer(T); });
  timer->start(1000);
  T.FilesFolder = DefaultFilesFolder();
  setObjectName(QStringLiteral("TarnwickForm"));
  auto* placeholder = new QLabel(this);
  placeholder->setAlignment(Qt::AlignCenter);
  setCentralWidget(placeholder);
  CreateMenus();
  UpdateCaption();
  resize(1024, 700);
}

TTarnwickForm::~TTarnwickForm() = default;

void TTarnwickForm::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  QAction* open = file->addAction(QStringLiteral("&Open..."), this, &TTarnwickForm::OpenItemClick);
  open->setObjectName(QStringLiteral("OpenItem"));
  open->setShortcut(QKeySequence::Open);
  file->addSeparator();
  QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
  exit->setObjectName(QStringLiteral("ExitItem"));
}

void TTarnwickForm::OpenItemClick() {
  const QString name = QFileDialog::getOpenFileName(this, QStringLiteral("Open tourney"), ToQt(T.FilesFolder),
                                                    QStringLiteral("Tourney files (*.vkr);;All files (*)"));
  if (!name.isEmpty()) OpenTourney(name);
}

bool TTarnwickForm::OpenTourney(const QString& fileName) {
  const bool opened = OpenTournamentWithBackup(T, FromQt(QDir::toNativeSeparators(fileName)));
  UpdateCaption();
  return opened;
}

void TTarnwickForm::UpdateCaption() { setWindowTitle(ToQt(T.View.Caption)); }

bool TTarnwickForm::Confirm(const std::string& text, bool* dontAsk) { return AskYesNo(this, ToQt(text), dontAsk); }
bool TTarnwickForm::Notify(const std::string& text) { return ShowNotice(this, ToQt(text)); }
void TTarnwickForm::Warning(const std::string& text) { QMessageBox::warning(this, QStringLiteral("Warning"), ToQt(text)); }
void TTarnwickForm::Error(const std::string& text) { QMessageBox::critical(this, QStringLiteral("Error"), ToQt(text)); }
void TTarnwickForm::Information(const std::string& text) {
  QMessageBox::information(this, QStringLiteral("Information"), ToQt(text));
}

void TTarnwickForm::RedrawRound(int, int) {}
void TTarnwickForm::RebuildTabs() {}
void TTarnwickForm::RepaintTabs(int) {}
void TTarnwickForm::ShowTable(int, int, int) {}
void TTarnwickForm::SetWinButton(int, int, int, int, bool) {}
void TTarnwickForm::ControlsChanged() { UpdateCaption(); }
void TTarnwickForm::LinePosted(const std::string&) {}

}  // namespace vkr
