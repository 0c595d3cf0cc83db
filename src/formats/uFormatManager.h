#pragma once
// The format manager: the stored formats with "Default", edited, copied,
// deleted, exported and imported; OK writes the store.
#include <QDialog>
#include <vector>

#include "formats/FormatManager.h"

class QListWidget;
class QPushButton;

namespace vkr {

struct TTourney;

class TFormatManagerForm : public QDialog {
  Q_OBJECT

 public:
  TFormatManagerForm(TTourney& t, const std::string& currentName, QWidget* parent = nullptr);
  const TFormatManagerState& State() const { return FState; }
  const std::string& CurrentName() const { return FState.CurrentName; }

  void accept() override;

 private:
  std::vector<int> Selected() const;
  void ShowList(int select);
  void UpdateButtons();
  void AddClick();
  void EditClick();
  void CopyClick();
  void DeleteClick();
  void ExportClick();
  void ImportClick();
  QString StoreFolder() const;

  TTourney& T;
  TFormatManagerState FState;
  QListWidget* FList;
  QPushButton *FEdit, *FDelete, *FCopy, *FExport;
};

// The Format menu's "E&dit...": on OK the store is written and the Format
// menu rebuilt on the format the manager returns.
void ShowFormatManager(QWidget* parent, TTourney& t);

}  // namespace vkr
