#pragma once
// "Boot Time": the minutes a booted player has to come back.
#include <QDialog>

class QSpinBox;

namespace vkr {

struct TTourney;

class TBootTimeForm : public QDialog {
  Q_OBJECT

 public:
  explicit TBootTimeForm(int minutes, QWidget* parent = nullptr);
  int Minutes() const;

 private:
  QSpinBox* FMinutes;
};

// The Format menu's "&Boot time...": on OK the time reaches the tournament.
void ShowBootTimeDialog(QWidget* parent, TTourney& t);

}  // namespace vkr
