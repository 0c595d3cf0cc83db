#include "formats/uFormatManager.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Paths.h"
#include "base/Text.h"
#include "engine/Tourney.h"
#include "formats/FormatMenu.h"
#include "formats/uDialogButtons.h"
#include "formats/uFormatEditor.h"
#include "formats/uFormatViewer.h"
#include "messages/Templates.h"
#include "qt/QtText.h"
#include "storage/ActionLog.h"

namespace vkr {
namespace {

const QString kFormatFilter = QStringLiteral("Velmar Tourney Bracket Format (*.vkrf)");

}  // namespace

TFormatManagerForm::TFormatManagerForm(TTourney& t, const std::string& currentName, QWidget* parent)
    : QDialog(parent), T(t), FState(LoadFormatManager(t, currentName)) {
  setWindowTitle(QStringLiteral("Format Manager"));
  setObjectName(QStringLiteral("FormatManagerForm"));
  FList = new QListWidget(this);
  FList->setObjectName(QStringLiteral("FormatList"));
  FList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(FList, &QListWidget::itemSelectionChanged, this, &TFormatManagerForm::UpdateButtons);
  connect(FList, &QListWidget::itemDoubleClicked, this, [this] {
    if (FEdit->isEnabled()) EditClick();
  });

  auto* side = new QVBoxLayout;
  auto addButton = [&](const char* caption, const char* name, void (TFormatManagerForm::*click)()) {
    return AddCommandButton(this, side, caption, name, [this, click] { (this->*click)(); });
  };
  addButton("Add...", "AddButton", &TFormatManagerForm::AddClick);
  FEdit = addButton("Edit...", "EditButton", &TFormatManagerForm::EditClick);
  FDelete = addButton("Delete", "DeleteButton", &TFormatManagerForm::DeleteClick);
  FCopy = addButton("Copy", "CopyButton", &TFormatManagerForm::CopyClick);
  side->addSpacing(12);
  addButton("Import", "ImportButton", &TFormatManagerForm::ImportClick);
  FExport = addButton("Export", "ExportButton", &TFormatManagerForm::ExportClick);
  side->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  side->addWidget(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(FList, 1);
  layout->addLayout(side);
  int current = 0;
  for (size_t i = 0; i < FState.Entries.size(); ++i) {
    if (SameText(FState.Entries[i].Name, currentName)) current = static_cast<int>(i);
  }
  ShowList(current);
  resize(420, 320);
}

std::vector<int> TFormatManagerForm::Selected() const {
  std::vector<int> rows;
  for (int i = 0; i < FList->count(); ++i) {
    if (FList->item(i)->isSelected()) rows.push_back(i);
  }
  return rows;
}

void TFormatManagerForm::ShowList(int select) {
  FList->clear();
  for (const TFormat& format : FState.Entries) FList->addItem(ToQt(format.Name));
  if (select >= 0 && select < FList->count()) FList->setCurrentRow(select);
  UpdateButtons();
}

void TFormatManagerForm::UpdateButtons() {
  const TManagerButtons b = ManagerButtons(FState, Selected());
  FEdit->setEnabled(b.Edit);
  FDelete->setEnabled(b.Delete);
  FCopy->setEnabled(b.Copy);
  FExport->setEnabled(b.Export);
}

void TFormatManagerForm::AddClick() {
  TFormatEditForm editor(T, TFormat{}, FState.Entries, this);
  if (editor.exec() != QDialog::Accepted) return;
  AddFormat(FState, editor.Format());
  ShowList(static_cast<int>(FState.Entries.size()) - 1);
}

void TFormatManagerForm::EditClick() {
  const std::vector<int> selected = Selected();
  if (selected.size() != 1) return;
  const int index = selected.front();
  TFormatEditForm editor(T, FState.Entries[static_cast<size_t>(index)], FState.Entries, this);
  if (editor.exec() != QDialog::Accepted) return;
  ReplaceFormat(FState, index, editor.Format());
  ShowList(index);
}

void TFormatManagerForm::CopyClick() {
  const std::vector<int> selected = Selected();
  if (selected.size() == 1) ShowList(CopyFormat(FState, selected.front()));
}

void TFormatManagerForm::DeleteClick() {
  DeleteFormats(FState, Selected());
  ShowList(0);
}

QString TFormatManagerForm::StoreFolder() const { return ToQt(ExtractFilePath(FormatStoreFileName(T))); }

void TFormatManagerForm::ExportClick() {
  const std::string text = ExportText(FState, Selected());
  for (;;) {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Export Selected Formats"), StoreFolder(),
                                                      kFormatFilter, nullptr, QFileDialog::DontConfirmOverwrite);
    if (file.isEmpty()) return;
    const QString path = file.endsWith(QStringLiteral(".vkrf"), Qt::CaseInsensitive) ? file : file + QStringLiteral(".vkrf");
    bool append = false;
    if (QFileInfo::exists(path)) {
      QMessageBox ask(QMessageBox::Question, QStringLiteral("Confirm"),
                      QStringLiteral("The file already exists, do you want to add to it or overwrite it?"),
                      QMessageBox::NoButton, this);
      QPushButton* add = ask.addButton(QStringLiteral("Add"), QMessageBox::AcceptRole);
      QPushButton* overwrite = ask.addButton(QStringLiteral("Overwrite"), QMessageBox::DestructiveRole);
      ask.addButton(QMessageBox::Cancel);
      ask.exec();
      if (ask.clickedButton() != add && ask.clickedButton() != overwrite) continue;
      append = ask.clickedButton() == add;
    }
    if (!WriteExport(*T.Ports.Files, FromQt(QDir::toNativeSeparators(path)), text, append)) {
      QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Cannot write %1").arg(path));
    }
    return;
  }
}

void TFormatManagerForm::ImportClick() {
  const QStringList files =
      QFileDialog::getOpenFileNames(this, QStringLiteral("Import Formats"), StoreFolder(), kFormatFilter);
  if (files.isEmpty()) return;
  std::vector<std::string> paths;
  for (const QString& file : files) paths.push_back(FromQt(QDir::toNativeSeparators(file)));
  TFormatViewer viewer(T, paths, this);
  if (viewer.exec() != QDialog::Accepted) return;
  // Edits not yet written give way to the store as the import left it.
  FState = LoadFormatManager(T, FState.CurrentName);
  ShowList(0);
}

void TFormatManagerForm::accept() {
  if (!SaveFormatManager(T, FState)) {
    ShowStoreWriteError(this, T);
    return;
  }
  QDialog::accept();
}

void ShowFormatManager(QWidget* parent, TTourney& t) {
  WriteLogLine(t, "Menu: Format/Edit...");
  TFormatManagerForm manager(t, CurrentFormatName(t), parent);
  if (manager.exec() == QDialog::Accepted) RebuildFormatMenu(t, manager.CurrentName());
}

}  // namespace vkr
