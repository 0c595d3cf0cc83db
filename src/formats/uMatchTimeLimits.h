#pragma once
// "Match Time Limits": the scheduled minutes per match of every round.
#include <QDialog>

#include "messages/MessageContext.h"

namespace vkr {

class TRoundFields;
struct TTourney;

class TMatchTimeLimitsForm : public QDialog {
  Q_OBJECT

 public:
  explicit TMatchTimeLimitsForm(const TPointsList& limits, QWidget* parent = nullptr);
  const TPointsList& Limits() const { return FLimits; }

 private:
  TPointsList FLimits;
  TRoundFields* FFields;
};

// The Format menu's "&Time limits...": on OK the limits reach the tournament.
void ShowTimeLimitsDialog(QWidget* parent, TTourney& t);

}  // namespace vkr
