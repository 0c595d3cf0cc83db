// The Macro menu's file commands: the macro manager, a new, opened or copied
// macro file, and the "Recent files" submenu.
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include "base/Paths.h"
#include "engine/Tourney.h"
#include "messages/MacroControls.h"
#include "messages/uMacroManager.h"
#include "ui/TarnwickForm.h"

// File names are UTF-8 in the core.
namespace vkr {
namespace {

const QString kMacroFilter = QStringLiteral("Macro File (*.vkm)");

// A save dialog for macro files that adds the extension and asks before
// replacing a file.
QString AskMacroFileName(QWidget* parent, const QString& title, const QString& folder, const QString& proposed) {
  QFileDialog dialog(parent, title, folder, kMacroFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("vkm"));
  if (!proposed.isEmpty()) dialog.selectFile(proposed);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

}  // namespace

void TTarnwickForm::ConnectMacroItems() {
  // Each command may change the current macro file, which the settings keep.
  auto wire = [this](const char* name, std::function<void()> slot) {
    ConnectItem(name, [this, slot] {
      slot();
      SaveSettings();
    });
  };
  wire("Editmacros1", [this] { ShowMacroManager(this, T); });
  wire("Newmacros1", [this] {
    const QString file = AskMacroFileName(this, QStringLiteral("Create New Macro File"), QString::fromStdString(T.FilesFolder), {});
    if (!file.isEmpty()) SetMacroFile(T, file.toStdString());
  });
  wire("Openmacros1", [this] {
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open Macro File"), QString::fromStdString(T.FilesFolder), kMacroFilter);
    if (!file.isEmpty()) SetMacroFile(T, QDir::toNativeSeparators(file).toStdString());
  });
  wire("Saveasmacros1", [this] {
    const std::string current = CurrentMacroFile(T);
    const QString file = AskMacroFileName(this, QStringLiteral("Save Macros"), QString::fromStdString(ExtractFilePath(current)),
                                          QFileInfo(QString::fromStdString(ExtractFileName(current))).completeBaseName());
    if (!file.isEmpty()) SaveMacroFileAs(T, file.toStdString());
  });
}

void TTarnwickForm::RebuildRecentMacroFiles() {
  const std::vector<std::string>& files = T.Macros.RecentFiles;
  if (files == FShownRecentMacros) return;
  FShownRecentMacros = files;
  FMacroRecent->clear();
  for (const std::string& file : files) {
    QAction* item = FMacroRecent->addAction(QString::fromStdString(ExtractFileName(file)));
    item->setToolTip(QString::fromStdString(file));
    connect(item, &QAction::triggered, this, [this, file] {
      SetMacroFile(T, file);
      SaveSettings();
    });
  }
  FMacroRecent->setEnabled(!files.empty());
}

}  // namespace vkr
