#include "formats/uMatchTimeLimits.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "formats/uDialogButtons.h"
#include "formats/TimeSettings.h"
#include "formats/uRoundFields.h"

namespace vkr {

TMatchTimeLimitsForm::TMatchTimeLimitsForm(const TPointsList& limits, QWidget* parent)
    : QDialog(parent), FLimits(limits) {
  setWindowTitle(QStringLiteral("Match Time Limits"));
  setObjectName(QStringLiteral("MatchTimeLimitsForm"));
  auto* group = new QGroupBox(QStringLiteral("Scheduled Time per Match (in minutes)"), this);
  FFields = new TRoundFields(kTimeLimitRange, QStringLiteral("Limit%1Edit"), QStringLiteral("LimitSemiEdit"),
                             QStringLiteral("LimitFinalEdit"), group);
  auto* note = new QLabel(QStringLiteral("Entering zeros will ignore time-limits"), group);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(FFields);
  groupLayout->addWidget(note);
  FFields->SetValues(FLimits);
  connect(FFields, &TRoundFields::RowChanged, this,
          [this](int row, int value) { FLimits[static_cast<size_t>(row)] = value; });
  QDialogButtonBox* buttons = OkCancelButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowTimeLimitsDialog(QWidget* parent, TTourney& t) {
  TMatchTimeLimitsForm form(t.Context.TimeLimits, parent);
  if (form.exec() == QDialog::Accepted) ApplyTimeLimits(t, form.Limits());
}

}  // namespace vkr
