#include "formats/uStartTables.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "formats/uDialogButtons.h"
#include "formats/StartTables.h"
#include "formats/uRoundFields.h"
#include "qt/QtSettings.h"
#include "qt/QtText.h"
#include "ui/uConfirmDlg.h"

namespace vkr {

TStartTablesForm::TStartTablesForm(TTourney& t, const TPointsList& tables, QWidget* parent)
    : QDialog(parent), T(t), FTables(tables) {
  setWindowTitle(QStringLiteral("Starting Tables For Each Round"));
  setObjectName(QStringLiteral("StartTablesForm"));
  FFields = new TRoundFields(kStartTableRange, QStringLiteral("Table%1Edit"), QStringLiteral("TableSemiEdit"),
                             QStringLiteral("TableFinalEdit"), this);
  connect(FFields, &TRoundFields::RowChanged, this, [this](int row, int value) {
    FTables[static_cast<size_t>(row)] = value;
    RefreshPreview();
  });

  auto* preview = new QGroupBox(QStringLiteral("Example Last Table Calculator "), this);
  FPlayers = new QSpinBox(preview);
  FPlayers->setObjectName(QStringLiteral("PlayersEdit"));
  FPlayers->setRange(kExpectedPlayersRange.Min, kExpectedPlayersRange.Max);
  FPlayers->setSingleStep(5);
  FPlayers->setValue(64);
  FElim = new QComboBox(preview);
  FElim->setObjectName(QStringLiteral("ElimCombo"));
  FElim->addItems({QStringLiteral("Single"), QStringLiteral("Double"), QStringLiteral("Triple")});
  FElim->setCurrentIndex(t.ElimFormat);
  auto* note = new QLabel(
      QStringLiteral("Please note that this is for showing what the last table number will be for the number of "
                     "players entered here. It does not limit you to the number of players you can have in your "
                     "tournament (currently 128 players)."),
      preview);
  note->setWordWrap(true);
  auto* previewLayout = new QFormLayout(preview);
  previewLayout->addRow(QStringLiteral("Expected Number of players:"), FPlayers);
  previewLayout->addRow(QStringLiteral("Elimination type:"), FElim);
  previewLayout->addRow(note);
  connect(FPlayers, &QSpinBox::valueChanged, this, &TStartTablesForm::RefreshPreview);
  connect(FElim, &QComboBox::currentIndexChanged, this, &TStartTablesForm::RefreshPreview);

  QDialogButtonBox* buttons = OkCancelButtons(this);
  auto* restore = new QPushButton(QStringLiteral("Restore default"), this);
  restore->setObjectName(QStringLiteral("RestoreDefaultButton"));
  restore->setAutoDefault(false);
  auto* setDefault = new QPushButton(QStringLiteral("Set as default"), this);
  setDefault->setObjectName(QStringLiteral("SetAsDefaultButton"));
  setDefault->setAutoDefault(false);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addWidget(restore);
  buttonRow->addWidget(setDefault);
  buttonRow->addStretch();
  buttonRow->addWidget(buttons);
  connect(restore, &QPushButton::clicked, this, [this] {
    FTables = T.Format.DefaultStartTables;
    ShowTables();
  });
  connect(setDefault, &QPushButton::clicked, this, &TStartTablesForm::SetAsDefaultClick);

  auto* tablesBox = new QGroupBox(QStringLiteral("First table of each round"), this);
  (new QVBoxLayout(tablesBox))->addWidget(FFields);
  FFields->setParent(tablesBox);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tablesBox);
  layout->addWidget(preview);
  layout->addLayout(buttonRow);
  ShowTables();
}

void TStartTablesForm::ShowTables() {
  FFields->SetValues(FTables);
  RefreshPreview();
}

void TStartTablesForm::RefreshPreview() {
  const TStartTablesPreview preview = PreviewStartTables(FTables, FPlayers->value(), FElim->currentIndex());
  for (int r = 0; r < kPreviewRounds; ++r) {
    const int32_t last = preview.LastTable[static_cast<size_t>(r)];
    FFields->SetRowShaded(r, last == 0);
    FFields->Note(r)->setText(last != 0 ? QStringLiteral("to %1").arg(last) : QString());
  }
  FFields->Note(kPointsRows - 2)->setText(ToQt(preview.SemiLabel));
}

void TStartTablesForm::SetAsDefaultClick() {
  if (!AskYesNo(this, QStringLiteral("Are you sure you want to set these as the default starting tables?"), nullptr)) {
    return;
  }
  TQtSettings settings;
  SetDefaultStartTables(T, FTables, settings);
}

void ShowStartTablesDialog(QWidget* parent, TTourney& t) {
  if (!DefaultStartTablesClick(t)) return;
  TStartTablesForm form(t, t.StartTables, parent);
  if (form.exec() == QDialog::Accepted) ApplyStartTables(t, form.Tables());
}

}  // namespace vkr
