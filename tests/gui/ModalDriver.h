#pragma once
// Drives the next modal dialog of a type while its exec() runs: the action
// gets the dialog once it is shown, then the dialog is accepted or rejected.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

template <class TDialog>
void WhenModal(std::function<void(TDialog*)> act, bool accept = true) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act, accept] {
    auto* dialog = qobject_cast<TDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(dialog);
    if (accept) dialog->accept();
    else dialog->reject();
  });
  timer->start();
}
