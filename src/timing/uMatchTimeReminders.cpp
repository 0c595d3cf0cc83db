#include "timing/uMatchTimeReminders.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "timing/TimingState.h"

namespace vkr {

TMatchTimeRemindersDialog::TMatchTimeRemindersDialog(const TTimingState& timing, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Configure Match Reminders"));
  auto* layout = new QVBoxLayout(this);
  const QString text = QStringLiteral("Select when you would like a reminder when a match has less than:");
  layout->addWidget(new QLabel(text, this));
  auto box = [this, layout](const char* caption, bool checked) {
    auto* check = new QCheckBox(QString::fromLatin1(caption), this);
    check->setChecked(checked);
    layout->addWidget(check);
    return check;
  };
  F15 = box("15 minutes to go", timing.RemindAt15);
  F10 = box("10 minutes to go", timing.RemindAt10);
  F5 = box("5 minutes to go", timing.RemindAt5);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  if (parent != nullptr) {
    adjustSize();
    move(parent->window()->frameGeometry().center() - rect().center());
  }
}

void TMatchTimeRemindersDialog::Apply(TTimingState& timing) const {
  timing.RemindAt15 = F15->isChecked();
  timing.RemindAt10 = F10->isChecked();
  timing.RemindAt5 = F5->isChecked();
}

bool Matchtimereminders1Click(TTimingState& timing, QWidget* parent) {
  TMatchTimeRemindersDialog dialog(timing, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.Apply(timing);
  return true;
}

}  // namespace vkr
