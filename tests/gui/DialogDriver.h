#pragma once
// Driving dialogs as the host would: the next modal dialog of a type (or
// each one while a driver lives) is handed to an action once shown, then
// accepted or rejected; its widgets are reached by object name; spin fields
// are typed into.
#include <QApplication>
#include <QDialog>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
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

template <class TDialog>
class TModalDriver : public QObject {
 public:
  explicit TModalDriver(std::function<void(TDialog*)> act, bool accept = true) {
    FTimer.setInterval(5);
    connect(&FTimer, &QTimer::timeout, this, [this, act, accept] {
      auto* dialog = qobject_cast<TDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || !dialog->isVisible()) return;
      ++Shown;
      act(dialog);
      if (accept) dialog->accept();
      else dialog->reject();
    });
    FTimer.start();
  }
  int Shown = 0;

 private:
  QTimer FTimer;
};

template <class T>
T* Child(QWidget* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("no child %s", name);
  return child;
}

// Types text into a spin field and leaves it.
inline void Type(QSpinBox* field, const QString& text) {
  field->selectAll();
  QTest::keyClicks(field, text);
  emit field->editingFinished();
  field->interpretText();
}
