#include "ui/uBannedPlayers.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/NameListEditor.h"
#include "qt/QtText.h"

namespace vkr {

TBannedPlayersForm::TBannedPlayersForm(TMode mode, const TNameList& list, QWidget* parent)
    : QDialog(parent), FList(list), FListBox(new QListWidget(this)) {
  setWindowTitle(mode == TMode::Banned ? QStringLiteral("Banned Players") : QStringLiteral("Recent Player History"));
  FAskName = [this](const QString& caption, const QString& text) -> std::optional<QString> {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, caption, QStringLiteral("Enter name of player:"), QLineEdit::Normal, text, &ok);
    if (!ok) return std::nullopt;
    return name;
  };
  auto* buttons = new QVBoxLayout;
  auto addButton = [&](const QString& caption, void (TBannedPlayersForm::*click)()) {
    auto* button = new QPushButton(caption, this);
    connect(button, &QPushButton::clicked, this, click);
    buttons->addWidget(button);
  };
  addButton(QStringLiteral("&Add..."), &TBannedPlayersForm::AddClick);
  addButton(QStringLiteral("&Edit..."), &TBannedPlayersForm::EditClick);
  addButton(QStringLiteral("&Delete"), &TBannedPlayersForm::DeleteClick);
  buttons->addStretch();
  auto* okCancel = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
  connect(okCancel, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(okCancel, &QDialogButtonBox::rejected, this, &QDialog::reject);
  buttons->addWidget(okCancel);
  connect(FListBox, &QListWidget::itemDoubleClicked, this, &TBannedPlayersForm::EditClick);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(FListBox, 1);
  layout->addLayout(buttons);
  resize(340, 320);
  Refill(FList.Items().empty() ? -1 : 0);
}

void TBannedPlayersForm::Refill(int select) {
  FListBox->clear();
  for (const std::string& name : FList.Items()) FListBox->addItem(ToQt(name));
  if (select >= 0) FListBox->setCurrentRow(select);
}

void TBannedPlayersForm::AddClick() {
  const auto name = FAskName(windowTitle(), QString());
  if (!name) return;
  const int row = AddListName(FList, FromQt(*name));
  if (row >= 0) Refill(row);
}

void TBannedPlayersForm::EditClick() {
  const int row = FListBox->currentRow();
  if (row < 0) return;
  const auto name = FAskName(windowTitle(), FListBox->item(row)->text());
  if (!name) return;
  Refill(EditListName(FList, row, FromQt(*name)));
}

void TBannedPlayersForm::DeleteClick() {
  const int row = FListBox->currentRow();
  if (row < 0) return;
  FList.RemoveAt(static_cast<size_t>(row));
  Refill(std::min(row, static_cast<int>(FList.Items().size()) - 1));
}

}  // namespace vkr
