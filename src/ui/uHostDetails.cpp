#include "ui/uHostDetails.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "engine/Tourney.h"
#include "qt/QtText.h"

namespace vkr {

THostDetailsForm::THostDetailsForm(const TTourney& t, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Host Details"));
  const THostDetails details = HostDetailsOf(t);
  auto* grid = new QGridLayout(this);
  auto row = [&](int at, const QString& caption, const std::string& text) {
    auto* edit = new QLineEdit(ToQt(text), this);
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    grid->addWidget(label, at, 0);
    grid->addWidget(edit, at, 1);
    return edit;
  };
  FHost = row(0, QStringLiteral("&Host name:"), details.HostName);
  FCoHost = row(1, QStringLiteral("&Co-host name:"), details.CoHostName);
  FHostPlayer = row(2, QStringLiteral("Host's &player name:"), details.HostPlayerName);
  FCoHostPlayer = row(3, QStringLiteral("Co-host's p&layer name:"), details.CoHostPlayerName);
  FHostUnscheduled = new QCheckBox(QStringLiteral("Unscheduled?"), this);
  FCoHostUnscheduled = new QCheckBox(QStringLiteral("Unscheduled?"), this);
  FHostUnscheduled->setChecked(t.Format.HostUnscheduled);
  FCoHostUnscheduled->setChecked(t.Format.CoHostUnscheduled);
  grid->addWidget(FHostUnscheduled, 0, 2);
  grid->addWidget(FCoHostUnscheduled, 1, 2);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  grid->addWidget(buttons, 4, 0, 1, 3);
}

void THostDetailsForm::StoreInto(TTourney& t) const {
  THostDetails details = HostDetailsOf(t);
  details.HostName = FromQt(FHost->text());
  details.CoHostName = FromQt(FCoHost->text());
  details.HostPlayerName = FromQt(FHostPlayer->text());
  details.CoHostPlayerName = FromQt(FCoHostPlayer->text());
  SetHostDetails(t, details);
  t.Format.HostUnscheduled = FHostUnscheduled->isChecked();
  t.Format.CoHostUnscheduled = FCoHostUnscheduled->isChecked();
}

}  // namespace vkr
