#pragma once
// "Host Details": the hosts' names and player names and whether each host
// was unscheduled, as the tournament carries them.
#include <QDialog>

#include "engine/HostDetails.h"

class QCheckBox;
class QLineEdit;

namespace vkr {

struct TTourney;

class THostDetailsForm : public QDialog {
  Q_OBJECT

 public:
  explicit THostDetailsForm(const TTourney& t, QWidget* parent = nullptr);
  // OK: the four texts and two flags go into the tournament.
  void StoreInto(TTourney& t) const;

 private:
  QLineEdit *FHost, *FCoHost, *FHostPlayer, *FCoHostPlayer;
  QCheckBox *FHostUnscheduled, *FCoHostUnscheduled;
};

}  // namespace vkr
