#include "ui/uConfirmNotify.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/ConfirmBoxes.h"

namespace vkr {

TConfirmNotifyForm::TConfirmNotifyForm(uint32_t filter, bool clearFriendsDefault, QWidget* parent)
    : QDialog(parent), FFilter(filter) {
  setWindowTitle(QStringLiteral("Confirmations and Notifications"));
  auto* questions = new QGroupBox(QStringLiteral("Tick which questions are to be asked:"), this);
  auto* notices = new QGroupBox(QStringLiteral("Tick which comments are to be shown:"), this);
  auto* questionRows = new QVBoxLayout(questions);
  auto* noticeRows = new QVBoxLayout(notices);
  FYes = new QRadioButton(QStringLiteral("Yes"), this);
  auto* no = new QRadioButton(QStringLiteral("No"), this);
  (clearFriendsDefault ? FYes : no)->setChecked(true);
  for (const TConfirmBox& item : ConfirmBoxes()) {
    auto* box = new QCheckBox(QString::fromLatin1(item.Caption), this);
    box->setChecked(((filter >> item.Bit) & 1U) == 0);
    connect(box, &QCheckBox::clicked, this, &TConfirmNotifyForm::BoxClicked);
    FBoxes << box;
    if (item.Bit == CfClearFriends) {
      // The default answer used while this question is silenced stands beside it.
      auto* row = new QHBoxLayout;
      row->addWidget(box);
      row->addWidget(FYes);
      row->addWidget(no);
      row->addStretch();
      questionRows->addLayout(row);
    } else {
      (item.IsQuestion ? questionRows : noticeRows)->addWidget(box);
    }
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(questions);
  layout->addWidget(notices);
  layout->addWidget(buttons);
}

void TConfirmNotifyForm::BoxClicked() {
  std::vector<bool> ticks;
  for (const QCheckBox* box : FBoxes) ticks.push_back(box->isChecked());
  FFilter = FilterFromTicks(ticks);
}

bool TConfirmNotifyForm::ClearFriendsDefault() const { return FYes->isChecked(); }

}  // namespace vkr
