#pragma once
// Driving dialogs as the host would: the next modal dialog of a type (or
// each one while a driver lives) is handed to an action once shown, then
// accepted or rejected unless the action closed it; message boxes are
// answered and their texts kept; widgets are reached by object name; spin
// fields are typed into.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QSpinBox>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>

// Hands each modal dialog of type TDialog shown while it lives to act, then
// accepts or rejects it if act left it open; counts them.
template <class TDialog>
class TModalDriver : public QObject {
 public:
  explicit TModalDriver(std::function<void(TDialog*)> act, bool accept = true, bool once = false) {
    FTimer.setInterval(5);
    connect(&FTimer, &QTimer::timeout, this, [this, act, accept, once] {
      auto* dialog = qobject_cast<TDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || !dialog->isVisible()) return;
      ++Shown;
      if (once) FTimer.stop();
      act(dialog);
      // A dialog one of its own buttons closed keeps that button's result.
      if (dialog->isVisible()) {
        if (accept) dialog->accept();
        else dialog->reject();
      }
      if (once) deleteLater();
    });
    FTimer.start();
  }
  int Shown = 0;

 private:
  QTimer FTimer;
};

// The same for the next such dialog only.
template <class TDialog>
void WhenModal(std::function<void(TDialog*)> act, bool accept = true) {
  new TModalDriver<TDialog>(std::move(act), accept, true);
}

// Answers every message box shown while it lives, as the host would click
// it, and keeps the texts it saw.
class TBoxAnswerer : public TModalDriver<QMessageBox> {
 public:
  // The button pressed on questions; other boxes get OK.
  explicit TBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Yes)
      : TModalDriver([this, answer](QMessageBox* box) {
          Seen << box->text();
          QAbstractButton* button = box->button(answer);
          if (button == nullptr) button = box->button(QMessageBox::Ok);
          if (button != nullptr) button->click();
        }) {}
  QStringList Seen;
};

// The texts of the boxes shown while act runs, each answered as given.
inline QStringList Answered(QMessageBox::StandardButton answer, const std::function<void()>& act) {
  TBoxAnswerer answerer(answer);
  act();
  return answerer.Seen;
}

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
