#include "ui/AutoAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace vkr {

TAutoAnswer::TAutoAnswer() {
  FTimer.setInterval(10);
  QObject::connect(&FTimer, &QTimer::timeout, [] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
      // A view shown for the host to read, such as the points at the end.
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      return;
    }
    QAbstractButton* button = box->button(QMessageBox::Yes);
    if (button == nullptr) button = box->button(QMessageBox::Ok);
    if (button != nullptr) button->click();
  });
  FTimer.start();
}

}  // namespace vkr
