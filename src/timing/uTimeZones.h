#pragma once
// "Select Time Zones to Display": the two extra clocks' zones and dials.
#include <QDialog>
#include <vector>

#include "timing/TimeZonePort.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QTimer;

namespace vkr {

struct TTourney;

class TTimeZonesDialog : public QDialog {
  Q_OBJECT

 public:
  TTimeZonesDialog(TTourney& t, QWidget* parent);
  // OK: the chosen zones (none when a list has no selection) and dials.
  void Apply();

 private:
  struct TSide {
    QComboBox* List = nullptr;
    QCheckBox* Hour24 = nullptr;
    QLineEdit* Time = nullptr;
  };
  TSide AddSide(QGridLayout* grid, int row, const QString& caption, size_t which);
  std::string KeyOf(const TSide& side) const;
  void ShowTimes();

  TTourney& FT;
  std::vector<TZoneInfo> FZones;
  TSide FMiddle, FRight;
  QTimer* FTimer = nullptr;
};

// Shows the dialog modally; true when the host pressed OK (the clocks are
// then set, and the caller saves the settings).
bool Selecttimezones1Click(TTourney& t, QWidget* parent);

}  // namespace vkr
