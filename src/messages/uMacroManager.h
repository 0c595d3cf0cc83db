#pragma once
// "Macro Manager": the macros of the current macro file, added, edited,
// deleted, copied and put in order on a copy; OK writes the whole file.
#include <QDialog>
#include <string>

#include "messages/MacroSet.h"

class QListWidget;
class QPushButton;

namespace vkr {

struct TTourney;

class TMacroManagerForm : public QDialog {
  Q_OBJECT

 public:
  TMacroManagerForm(TTourney& t, const std::string& fileName, QWidget* parent = nullptr);
  const TMacroSet& Set() const { return FSet; }
  QListWidget* List() const { return FList; }

  void AddClick();
  void EditClick();
  void DeleteClick();
  void CopyClick();
  void MoveClick(int step);
  void SortClick();
  void accept() override;

 private:
  void ShowList(int select);
  void UpdateButtons();
  void RowsDragged(int from, int to);
  void RunEditor(int index);

  TTourney& T;
  std::string FFileName;
  TMacroSet FSet;
  QListWidget* FList;
  QPushButton *FEdit, *FDelete, *FCopy, *FUp, *FDown, *FSort;
};

// The Macro menu's "&Edit...": the manager on the current macro file; on OK
// the macro entries, tool bar buttons and hot-keys are built again.
void ShowMacroManager(QWidget* parent, TTourney& t);

}  // namespace vkr
