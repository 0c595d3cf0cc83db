#include "messages/uMacroManager.h"

#include <QAbstractItemModel>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "formats/uDialogButtons.h"
#include "messages/MacroControls.h"
#include "messages/uMacroEditor.h"
#include "qt/QtText.h"
#include "storage/ActionLog.h"

namespace vkr {

TMacroManagerForm::TMacroManagerForm(TTourney& t, const std::string& fileName, QWidget* parent)
    : QDialog(parent), T(t), FFileName(fileName) {
  setWindowTitle(QStringLiteral("Macro Manager"));
  setObjectName(QStringLiteral("MacroManagerForm"));
  FSet.Load(*t.Ports.Files, fileName);
  FList = new QListWidget(this);
  FList->setObjectName(QStringLiteral("MacroList"));
  FList->setDragDropMode(QAbstractItemView::InternalMove);
  FList->setDefaultDropAction(Qt::MoveAction);
  connect(FList, &QListWidget::currentRowChanged, this, &TMacroManagerForm::UpdateButtons);
  connect(FList, &QListWidget::itemDoubleClicked, this, &TMacroManagerForm::EditClick);
  connect(FList->model(), &QAbstractItemModel::rowsMoved, this,
          [this](const QModelIndex&, int start, int, const QModelIndex&, int row) {
            RowsDragged(start, row > start ? row - 1 : row);
          });

  auto* side = new QVBoxLayout;
  auto addButton = [&](const char* caption, const char* name, std::function<void()> click) {
    return AddCommandButton(this, side, caption, name, std::move(click));
  };
  addButton("Add...", "AddButton", [this] { AddClick(); });
  FEdit = addButton("Edit...", "EditButton", [this] { EditClick(); });
  FDelete = addButton("Delete", "DeleteButton", [this] { DeleteClick(); });
  FCopy = addButton("Copy", "CopyButton", [this] { CopyClick(); });
  side->addSpacing(12);
  FUp = addButton("Up", "UpButton", [this] { MoveClick(-1); });
  FDown = addButton("Down", "DownButton", [this] { MoveClick(1); });
  FSort = addButton("Sort", "SortButton", [this] { SortClick(); });
  side->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TMacroManagerForm::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  side->addWidget(buttons);

  auto* list = new QVBoxLayout;
  auto* label = new QLabel(QStringLiteral("&Macros:"), this);
  label->setBuddy(FList);
  list->addWidget(label);
  list->addWidget(FList, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(list, 1);
  layout->addLayout(side);
  ShowList(0);
  resize(400, 340);
}

void TMacroManagerForm::ShowList(int select) {
  FList->clear();
  for (const TMacro& macro : FSet.Macros) FList->addItem(ToQt(macro.Name));
  if (FList->count() > 0) FList->setCurrentRow(std::clamp(select, 0, FList->count() - 1));
  UpdateButtons();
}

void TMacroManagerForm::UpdateButtons() {
  const int row = FList->currentRow();
  const int count = FList->count();
  const bool selected = row >= 0 && row < count;
  FEdit->setEnabled(selected);
  FDelete->setEnabled(selected);
  FCopy->setEnabled(selected);
  FUp->setEnabled(selected && row > 0);
  FDown->setEnabled(selected && row + 1 < count);
  FSort->setEnabled(count > 1);
}

void TMacroManagerForm::RunEditor(int index) {
  const TMacroEdit start = index < 0 ? TMacroEdit{} : FSet.EditOf(index);
  TMacroEditForm editor(FSet, index, start, T.Context.HostName, this);
  if (editor.exec() != QDialog::Accepted) return;
  if (index < 0) {
    FSet.Add(editor.Edit());
    index = static_cast<int>(FSet.Macros.size()) - 1;
  } else {
    FSet.Replace(index, editor.Edit());
  }
  ShowList(index);
}

void TMacroManagerForm::AddClick() { RunEditor(-1); }

void TMacroManagerForm::EditClick() {
  if (FList->currentRow() >= 0) RunEditor(FList->currentRow());
}

void TMacroManagerForm::DeleteClick() {
  const int row = FList->currentRow();
  if (row < 0) return;
  FSet.Delete(row);
  ShowList(row);
}

void TMacroManagerForm::CopyClick() {
  const int row = FList->currentRow();
  if (row < 0) return;
  FSet.Copy(row);
  ShowList(static_cast<int>(FSet.Macros.size()) - 1);
}

void TMacroManagerForm::MoveClick(int step) {
  const int row = FList->currentRow();
  const int to = row + step;
  if (row < 0 || to < 0 || to >= static_cast<int>(FSet.Macros.size())) return;
  FSet.Move(row, to);
  ShowList(to);
}

void TMacroManagerForm::SortClick() {
  const int row = FList->currentRow();
  const std::string name = row >= 0 ? FSet.Macros[static_cast<size_t>(row)].Name : std::string();
  FSet.Sort();
  ShowList(FSet.IndexOf(name));
}

// The list moved the row itself; the copy follows.
void TMacroManagerForm::RowsDragged(int from, int to) {
  FSet.Move(from, to);
  UpdateButtons();
}

void TMacroManagerForm::accept() {
  if (!FSet.Save(*T.Ports.Files, FFileName)) {
    QMessageBox::critical(this, QStringLiteral("Error"),
                          QStringLiteral("Could not write the macro file %1.").arg(QString::fromStdString(FFileName)));
    return;
  }
  QDialog::accept();
}

void ShowMacroManager(QWidget* parent, TTourney& t) {
  WriteLogLine(t, "Menu: Macro/Edit");
  TMacroManagerForm manager(t, CurrentMacroFile(t), parent);
  if (manager.exec() == QDialog::Accepted) BuildMacroControls(t);
}

}  // namespace vkr
