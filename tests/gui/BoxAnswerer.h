#pragma once
// Answers every modal message box that shows while it lives, as the host
// would click it, and keeps the texts it saw.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <functional>

class TBoxAnswerer : public QObject {
 public:
  // The button pressed on questions; other boxes get OK.
  explicit TBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Yes) : FAnswer(answer) {
    FTimer.setInterval(5);
    connect(&FTimer, &QTimer::timeout, this, [this] { AnswerShownBox(); });
    FTimer.start();
  }
  QStringList Seen;

 private:
  void AnswerShownBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    Seen << box->text();
    QAbstractButton* button = box->button(FAnswer);
    if (button == nullptr) button = box->button(QMessageBox::Ok);
    if (button != nullptr) button->click();
  }
  QMessageBox::StandardButton FAnswer;
  QTimer FTimer;
};

// The texts of the boxes shown while act runs, each answered as given.
inline QStringList Answered(QMessageBox::StandardButton answer, const std::function<void()>& act) {
  TBoxAnswerer answerer(answer);
  act();
  return answerer.Seen;
}
