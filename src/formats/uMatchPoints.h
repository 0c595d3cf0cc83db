#pragma once
// "Match Points Arrangement": the match points of every round for each
// tournament size, and the elimination type.
#include <QDialog>

#include "formats/MatchPointsArrangement.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace vkr {

class TRoundFields;
struct TTourney;

class TCustomPointsForm : public QDialog {
  Q_OBJECT

 public:
  // elimLocked: sign-ups are closed, the elimination type stays.
  TCustomPointsForm(const TMatchPointsArrangement& arrangement, bool elimLocked, QWidget* parent = nullptr);
  const TMatchPointsArrangement& Arrangement() const { return FArrangement; }

 private:
  void ShowArrangement();
  TMatchPointsArrangement FArrangement;
  TRoundFields* FFields;
  QRadioButton* FElim[3];
  QCheckBox* FSameCheck;
  QLabel* FSizeLabel;
  QListWidget* FSizeList;
};

// The Format menu's "Other...": on OK the lists reach the tournament.
void ShowMatchPointsDialog(QWidget* parent, TTourney& t);

}  // namespace vkr
