#pragma once
// "Confirmations and Notifications": a box per silenceable prompt, ticked
// while it is shown; any click recomputes the whole filter from the boxes.
#include <QDialog>
#include <QList>
#include <cstdint>

class QCheckBox;
class QRadioButton;

namespace vkr {

class TConfirmNotifyForm : public QDialog {
  Q_OBJECT

 public:
  TConfirmNotifyForm(uint32_t filter, bool clearFriendsDefault, QWidget* parent = nullptr);
  uint32_t Filter() const { return FFilter; }
  bool ClearFriendsDefault() const;
  // The box of a prompt, in the order of the core's box list.
  QCheckBox* Box(int index) const { return FBoxes.at(index); }

 private:
  void BoxClicked();

  uint32_t FFilter;
  QList<QCheckBox*> FBoxes;
  QRadioButton* FYes;
};

}  // namespace vkr
