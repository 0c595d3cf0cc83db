#pragma once
// Fifteen labelled number fields, one per points row ("Rnd 1:" .. "Rnd 13:",
// "Semis:", "Final:"), in two columns; shared by the per-round dialogs.
#include <QWidget>
#include <array>

#include "formats/SettingLimits.h"
#include "messages/MessageContext.h"

class QLabel;
class QSpinBox;

namespace vkr {

class TRoundFields : public QWidget {
  Q_OBJECT

 public:
  // Field object names: namePattern with "%1" for rounds 1..13, then semiName and finalName.
  TRoundFields(TRange range, const QString& namePattern, const QString& semiName, const QString& finalName,
               QWidget* parent = nullptr);

  QSpinBox* Field(int row) const { return FFields[static_cast<size_t>(row)]; }
  QLabel* Label(int row) const { return FLabels[static_cast<size_t>(row)]; }
  // The text beside a field; empty unless a dialog fills it.
  QLabel* Note(int row) const { return FNotes[static_cast<size_t>(row)]; }
  // Sets the fields without reporting changes.
  void SetValues(const TPointsList& values);
  TPointsList Values() const;
  void SetRowEnabled(int row, bool enabled);
  // A shaded row stays editable, its field drawn in the button colour and its caption hidden.
  void SetRowShaded(int row, bool shaded);

 signals:
  void RowChanged(int row, int value);

 private:
  std::array<QSpinBox*, kPointsRows> FFields{};
  std::array<QLabel*, kPointsRows> FLabels{};
  std::array<QLabel*, kPointsRows> FNotes{};
};

// "Rnd 1:" .. "Rnd 13:", "Semis:", "Final:".
QString RowCaption(int row);

}  // namespace vkr
