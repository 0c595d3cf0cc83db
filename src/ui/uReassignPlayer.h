#pragma once
// "Reassign Player to Different Table": where the entry sits, and the table
// of this round or the next round the host picks for it.
#include <QDialog>
#include <cstdint>

#include "engine/Reassign.h"

class QComboBox;
class QPushButton;
class QRadioButton;

namespace vkr {

struct TTourney;
struct TWinButton;

class TReassignPlayerDialog : public QDialog {
  Q_OBJECT

 public:
  TReassignPlayerDialog(const TReassignDialog& content, QWidget* parent);

  bool NextRoundChosen() const;
  // The number at the start of the chosen item; 0 when the list is empty.
  int32_t ChosenTable() const;
  QRadioButton* NextChoice() const { return FNext; }
  QRadioButton* SameChoice() const { return FSame; }
  QComboBox* Tables() const { return FTables; }

 private:
  // The list of the selected choice, with its default item selected.
  void FillTables();

  TReassignDialog FContent;
  QRadioButton* FNext;
  QRadioButton* FSame;
  QComboBox* FTables;
  QPushButton* FOk = nullptr;
};

// The player menu's "Reassign player to different table": the dialog over
// the seat, and on OK the move. True when the tournament changed.
bool ReassignPlayerItemClick(TTourney& t, const TWinButton& seat, QWidget* parent);

}  // namespace vkr
