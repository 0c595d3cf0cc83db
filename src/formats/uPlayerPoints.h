#pragma once
// "Point Allocations for Players": win, bye and lose points per round, the
// placing points and the host and bonus points.
#include <QDialog>

#include "formats/PlayerPointsDraft.h"
#include "formats/SettingLimits.h"

class QCheckBox;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace vkr {

struct TTourney;

class TPlayerPointsForm : public QDialog {
  Q_OBJECT

 public:
  explicit TPlayerPointsForm(const TPlayerPointsSettings& settings, QWidget* parent = nullptr);
  // The grid as edited and the fields as they stand.
  TPlayerPointsDraft Draft() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QSpinBox* AddSpin(const char* name, TRange range, int32_t value);
  void ShowGrid();
  TPlayerPointsDraft FDraft;
  QTableWidget* FGrid;
  QCheckBox* FSameCheck;
  QRadioButton* FExactly;
  QSpinBox *FFirst, *FSecond, *FThird;
  std::array<QSpinBox*, 7> FBonus{};  // in the order of kBonusFields
};

// The Format menu's "&Player points...": on OK the points reach the tournament.
void ShowPlayerPointsDialog(QWidget* parent, TTourney& t);

}  // namespace vkr
