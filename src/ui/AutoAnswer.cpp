#include "ui/AutoAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace vkr {

TAutoAnswer::TAutoAnswer() {
  FTimer.setInterval(10);
  QObject::connect(&FTimer, &QTimer::timeout, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    QAbstractButton* button = box->button(QMessageBox::Yes);
    if (button == nullptr) button = box->button(QMessageBox::Ok);
    if (button != nullptr) button->click();
  });
  FTimer.start();
}

}  // namespace vkr
