#pragma once
// "Starting Tables For Each Round": the first lobby table of every round,
// with a preview of the last table each round would use.
#include <QDialog>

#include "messages/MessageContext.h"

class QComboBox;
class QSpinBox;

namespace vkr {

class TRoundFields;
struct TTourney;

class TStartTablesForm : public QDialog {
  Q_OBJECT

 public:
  // "Restore default" and "Set as default" work on t's remembered set.
  TStartTablesForm(TTourney& t, const TPointsList& tables, QWidget* parent = nullptr);
  const TPointsList& Tables() const { return FTables; }

 private:
  void ShowTables();
  void RefreshPreview();
  void SetAsDefaultClick();
  TTourney& T;
  TPointsList FTables;
  TRoundFields* FFields;
  QSpinBox* FPlayers;
  QComboBox* FElim;
};

// The Format menu's "&Default start tables...": ignored once sign-ups are
// closed; on OK the tables reach the tournament.
void ShowStartTablesDialog(QWidget* parent, TTourney& t);

}  // namespace vkr
