#include "formats/uMatchPoints.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "formats/uDialogButtons.h"
#include "formats/uRoundFields.h"

namespace vkr {

TCustomPointsForm::TCustomPointsForm(const TMatchPointsArrangement& arrangement, bool elimLocked, QWidget* parent)
    : QDialog(parent), FArrangement(arrangement) {
  setWindowTitle(QStringLiteral("Match Points Arrangement"));
  setObjectName(QStringLiteral("CustomPointsForm"));

  auto* pointsBox = new QGroupBox(QStringLiteral("Points per Match"), this);
  FFields = new TRoundFields(kMatchPointsRange, QStringLiteral("Round%1Edit"), QStringLiteral("SemiEdit"),
                             QStringLiteral("FinalEdit"), pointsBox);
  (new QVBoxLayout(pointsBox))->addWidget(FFields);

  auto* elimBox = new QGroupBox(QStringLiteral("Elimination"), this);
  auto* elimLayout = new QVBoxLayout(elimBox);
  const char* const kElimCaptions[3] = {"Single", "Double", "Triple"};
  for (int k = 0; k < 3; ++k) {
    FElim[k] = new QRadioButton(QString::fromLatin1(kElimCaptions[k]), elimBox);
    FElim[k]->setObjectName(QStringLiteral("%1Radio").arg(QString::fromLatin1(kElimCaptions[k])));
    FElim[k]->setChecked(arrangement.Elim == k);
    FElim[k]->setEnabled(!elimLocked);
    elimLayout->addWidget(FElim[k]);
    connect(FElim[k], &QRadioButton::toggled, this, [this, k](bool on) {
      if (!on) return;
      FArrangement.Elim = k;
      ShowArrangement();
    });
  }
  elimLayout->addStretch();

  auto* sizeBox = new QGroupBox(QStringLiteral("Player Count Dependencies"), this);
  auto* sizeLayout = new QVBoxLayout(sizeBox);
  FSameCheck = new QCheckBox(QStringLiteral("Points are always the same regardless of number of players"), sizeBox);
  FSameCheck->setObjectName(QStringLiteral("SameCheck"));
  FSizeLabel = new QLabel(QStringLiteral("Enter points below for this number of players:"), sizeBox);
  FSizeList = new QListWidget(sizeBox);
  FSizeList->setObjectName(QStringLiteral("SizeList"));
  for (const char* caption : kSizeCaptions) FSizeList->addItem(QString::fromLatin1(caption));
  FSizeList->setFixedHeight(FSizeList->sizeHintForRow(0) * kSizeLists + 2 * FSizeList->frameWidth());
  sizeLayout->addWidget(FSameCheck);
  sizeLayout->addWidget(FSizeLabel);
  sizeLayout->addWidget(FSizeList);

  QDialogButtonBox* buttons = OkCancelButtons(this);

  auto* right = new QVBoxLayout;
  right->addWidget(elimBox);
  right->addWidget(sizeBox);
  auto* top = new QHBoxLayout;
  top->addWidget(pointsBox);
  top->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);

  connect(FFields, &TRoundFields::RowChanged, this, [this](int row, int value) { SetRowPoints(FArrangement, row, value); });
  connect(FSameCheck, &QCheckBox::toggled, this, [this](bool on) {
    SetSameForAll(FArrangement, on);
    ShowArrangement();
  });
  connect(FSizeList, &QListWidget::currentRowChanged, this, [this](int row) {
    SelectSize(FArrangement, row);
    ShowArrangement();
  });
  ShowArrangement();
}

void TCustomPointsForm::ShowArrangement() {
  {
    const QSignalBlocker quietCheck(FSameCheck), quietList(FSizeList);
    FSameCheck->setChecked(FArrangement.SameForAll);
    FSizeList->setCurrentRow(FArrangement.SizeIndex);
  }
  FSizeList->setEnabled(!FArrangement.SameForAll);
  FSizeLabel->setEnabled(!FArrangement.SameForAll);
  FFields->SetValues(ShownList(FArrangement));
  for (int r = 0; r < kPointsRows; ++r) FFields->SetRowEnabled(r, RowEnabled(FArrangement, r));
}

void ShowMatchPointsDialog(QWidget* parent, TTourney& t) {
  TCustomPointsForm form(OtherMatchPointsClick(t), t.SignupsClosed, parent);
  if (form.exec() == QDialog::Accepted) ApplyArrangement(t, form.Arrangement());
}

}  // namespace vkr
