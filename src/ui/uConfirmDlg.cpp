#include "ui/uConfirmDlg.h"

#include <QCheckBox>
#include <QMessageBox>

namespace vkr {

bool AskYesNo(QWidget* parent, const QString& text, bool* dontAsk) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::Yes);
  QCheckBox* check = nullptr;
  if (dontAsk != nullptr) {
    check = new QCheckBox(QStringLiteral("Don't ask me again"), &box);
    box.setCheckBox(check);
  }
  const bool yes = box.exec() == QMessageBox::Yes;
  if (dontAsk != nullptr) *dontAsk = check->isChecked();
  return yes;
}

bool ShowNotice(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok, parent);
  auto* check = new QCheckBox(QStringLiteral("Don't tell me again"), &box);
  box.setCheckBox(check);
  box.exec();
  return check->isChecked();
}

}  // namespace vkr
