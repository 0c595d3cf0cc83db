#pragma once
// "Velmar Tourney Bracket Format Merger": the formats of the chosen files,
// ticked to be added to the store, and "Format Exists" for a taken name.
#include <QDialog>
#include <vector>

#include "formats/FormatImport.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace vkr {

struct TTourney;

class TFormatExistsForm : public QDialog {
  Q_OBJECT

 public:
  TFormatExistsForm(const QString& label, const QString& proposed, QWidget* parent = nullptr);
  TImportAnswer Answer() const { return FAnswer; }
  QString Name() const;

 private:
  TImportAnswer FAnswer = TImportAnswer::Cancel;
  QLineEdit* FName;
};

class TFormatViewer : public QDialog {
  Q_OBJECT

 public:
  TFormatViewer(TTourney& t, const std::vector<std::string>& files, QWidget* parent = nullptr);
  int RowCount() const { return static_cast<int>(FRows.size()); }

  // "Add": merges the ticked rows into the store and closes with OK.
  void AddClick();

 private:
  TTourney& T;
  std::vector<TImportRow> FRows;
  QTreeWidget* FList;
  QPushButton* FAdd;
};

// The error shown when the format store cannot be rewritten.
void ShowStoreWriteError(QWidget* parent, TTourney& t);

}  // namespace vkr
