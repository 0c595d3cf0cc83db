#include "ui/uTeam.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace vkr {

TTeamPropsForm::TTeamPropsForm(const QString& team, const QString& first, const QString& second, QWidget* parent)
    : QDialog(parent),
      FTeam(new QLineEdit(team, this)),
      FFirst(new QLineEdit(first, this)),
      FSecond(new QLineEdit(second, this)) {
  setWindowTitle(QStringLiteral("Team Properties"));
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("&Team name:"), FTeam);
  form->addRow(QStringLiteral("&First player's name:"), FFirst);
  form->addRow(QStringLiteral("&Second player's name:"), FSecond);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

QString TTeamPropsForm::TeamName() const { return FTeam->text(); }
QString TTeamPropsForm::FirstName() const { return FFirst->text(); }
QString TTeamPropsForm::SecondName() const { return FSecond->text(); }

}  // namespace vkr
