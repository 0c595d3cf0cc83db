#include "formats/uDialogButtons.h"

#include <QDialog>
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QPushButton>

namespace vkr {

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

QPushButton* AddCommandButton(QWidget* parent, QBoxLayout* column, const char* caption, const char* objectName,
                              std::function<void()> click) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, parent, std::move(click));
  column->addWidget(button);
  return button;
}

}  // namespace vkr
