#include "formats/uBootTime.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "formats/uDialogButtons.h"
#include "formats/SettingLimits.h"
#include "formats/TimeSettings.h"

namespace vkr {

TBootTimeForm::TBootTimeForm(int minutes, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Boot Time"));
  setObjectName(QStringLiteral("BootTimeForm"));
  FMinutes = new QSpinBox(this);
  FMinutes->setObjectName(QStringLiteral("BootTimeEdit"));
  FMinutes->setRange(kBootTimeRange.Min, kBootTimeRange.Max);
  FMinutes->setAlignment(Qt::AlignRight);
  FMinutes->setValue(minutes);
  FMinutes->setMinimumWidth(FMinutes->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 40);
  auto* label = new QLabel(QStringLiteral("Enter time for boots:"), this);
  label->setBuddy(FMinutes);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(FMinutes);
  row->addWidget(new QLabel(QStringLiteral("minutes"), this));
  QDialogButtonBox* buttons = OkCancelButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TBootTimeForm::Minutes() const { return FMinutes->value(); }

void ShowBootTimeDialog(QWidget* parent, TTourney& t) {
  TBootTimeForm form(t.Format.BootTime, parent);
  if (form.exec() == QDialog::Accepted) ApplyBootTime(t, form.Minutes());
}

}  // namespace vkr
