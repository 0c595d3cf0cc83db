#pragma once
// "Configure Match Reminders": the three reminder switches.
#include <QDialog>

class QCheckBox;

namespace vkr {

struct TTimingState;

class TMatchTimeRemindersDialog : public QDialog {
  Q_OBJECT

 public:
  TMatchTimeRemindersDialog(const TTimingState& timing, QWidget* parent);
  // OK: the boxes become the switches.
  void Apply(TTimingState& timing) const;

 private:
  QCheckBox* F15 = nullptr;
  QCheckBox* F10 = nullptr;
  QCheckBox* F5 = nullptr;
};

// "Match tim&e reminders...": true when the host pressed OK (the switches are
// then set, and the caller saves the settings).
bool Matchtimereminders1Click(TTimingState& timing, QWidget* parent);

}  // namespace vkr
