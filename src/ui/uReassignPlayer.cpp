#include "ui/uReassignPlayer.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "qt/QtText.h"

namespace vkr {
namespace {

QLabel* TextLine(const char* text, QWidget* parent) {
  QString shown = ToQt(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return new QLabel(shown, parent);
}

}  // namespace

TReassignPlayerDialog::TReassignPlayerDialog(const TReassignDialog& content, QWidget* parent)
    : QDialog(parent), FContent(content) {
  setObjectName(QStringLiteral("ReassignPlayerDlg"));
  setWindowTitle(QString::fromLatin1(kReassignCaption));
  auto* column = new QVBoxLayout(this);
  column->setSpacing(6);
  column->addWidget(new QLabel(ToQt(content.PlayerLine), this));
  column->addWidget(new QLabel(ToQt(content.OpponentLine), this));
  column->addSpacing(6);
  column->addWidget(TextLine(kReassignQuestion, this));
  FNext = new QRadioButton(QString::fromLatin1(kReassignNextChoice), this);
  FNext->setObjectName(QStringLiteral("NextRoundChoice"));
  FSame = new QRadioButton(QString::fromLatin1(kReassignSameChoice), this);
  FSame->setObjectName(QStringLiteral("SameRoundChoice"));
  FNext->setEnabled(content.NextEnabled);
  FSame->setEnabled(content.SameEnabled);
  (content.NextSelected ? FNext : FSame)->setChecked(true);
  column->addWidget(FNext);
  column->addWidget(FSame);
  column->addSpacing(6);
  column->addWidget(TextLine(kReassignTablePrompt, this));
  auto* row = new QHBoxLayout;
  row->addWidget(TextLine(kReassignTableLabel, this));
  FTables = new QComboBox(this);
  FTables->setObjectName(QStringLiteral("TableCombo"));
  FTables->setMinimumContentsLength(8);
  row->addWidget(FTables);
  row->addStretch();
  column->addLayout(row);
  QLabel* legend = TextLine(kReassignLegend, this);
  legend->setEnabled(false);
  column->addWidget(legend);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  FOk = buttons->button(QDialogButtonBox::Ok);
  FOk->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
  connect(FNext, &QRadioButton::toggled, this, [this] { FillTables(); });
  FillTables();
  setFixedSize(sizeHint());
}

bool TReassignPlayerDialog::NextRoundChosen() const { return FNext->isChecked(); }

int32_t TReassignPlayerDialog::ChosenTable() const {
  return FTables->currentText().section(QLatin1Char(' '), 0, 0).toInt();
}

void TReassignPlayerDialog::FillTables() {
  const bool next = NextRoundChosen();
  FTables->clear();
  for (const std::string& item : next ? FContent.NextRound : FContent.SameRound) FTables->addItem(ToQt(item));
  FTables->setCurrentIndex(DefaultItem(FContent, next));
  FOk->setEnabled(FTables->count() > 0);
}

bool ReassignPlayerItemClick(TTourney& t, const TWinButton& seat, QWidget* parent) {
  TReassignDialog content;
  if (!OpenReassign(t, seat, content)) return false;
  TReassignPlayerDialog dialog(content, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  return ReassignPlayer(t, content, dialog.NextRoundChosen(), dialog.ChosenTable());
}

}  // namespace vkr
