#pragma once
// "Format Editor": one format's name, general options, per-round settings
// and its twenty messages with a live sample.
#include <QDialog>
#include <vector>

#include "formats/FormatStore.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QLabel;

namespace vkr {

struct TTourney;

class TFormatEditForm : public QDialog {
  Q_OBJECT

 public:
  // others: the manager's entries, for the check that the name is free.
  TFormatEditForm(TTourney& t, const TFormat& format, const std::vector<TFormat>& others, QWidget* parent = nullptr);
  TFormat Format() const;
  const TFormatLines& Lines() const { return FLines; }

  void accept() override;

 private:
  QLineEdit* AddKeyField(const char* key, int maxLength, const char* objectName);
  void MatchPointsChosen(int item);
  void ShowMatchPointsItem();
  void EditTimeLimits();
  void EditPlayerPoints();
  void EditSeating();
  void ShowMessage();
  void StoreMessage();
  void RefreshSample();

  TTourney& T;
  TFormatLines FLines;
  std::string FOpenedWith;
  std::vector<TFormat> FOthers;
  QLineEdit* FName;
  QComboBox* FMatchPoints;
  QSpinBox* FBootTime;
  QComboBox* FMessageKey;
  QPlainTextEdit* FMessage;
  QCheckBox* FNoAutoPost;
  QLabel* FSample;
};

}  // namespace vkr
