#pragma once
// "CharMap": buttons that insert special characters of the 8-bit character
// set and the % tokens at the caret of a text field. It stays open beside
// the field's dialog until closed.
#include <QDialog>

class QPlainTextEdit;

namespace vkr {

class TCharMapForm : public QDialog {
  Q_OBJECT

 public:
  TCharMapForm(QPlainTextEdit* target, QWidget* parent);
  // Opens the map beside a widget, inside the screen's work area.
  void ShowBeside(QWidget* anchor);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Insert(const QString& text);
  QPlainTextEdit* FTarget;
};

}  // namespace vkr
