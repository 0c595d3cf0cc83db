#pragma once
// "New Tournament": the format, the hosts, the times, the lobby and the file
// of a new tournament, or an earlier tournament to reopen instead.
#include <QDialog>
#include <QStringList>

#include "formats/NewTourneyForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace vkr {

struct TTourney;

class TNewTourneyForm : public QDialog {
  Q_OBJECT

 public:
  // recent: the recent-tournaments list, newest first.
  TNewTourneyForm(TTourney& t, const QStringList& recent, QWidget* parent = nullptr);
  // The dialog's fields as the tournament will take them.
  TNewTourneyDraft Draft() const;
  // Set when the host chose "Restore": the recent file picked, or empty for
  // the open dialog.
  bool RestoreChosen() const { return FRestore; }
  QString RestoreFile() const { return FRestoreFile; }

  // "Start": asks before overwriting an existing file.
  void accept() override;

 private:
  void ReadFields();
  void ShowFields();
  void LoadFormats(const std::string& keep);
  void EditFormatsClick();
  void SeatingClick();
  void BrowseClick();

  TTourney& T;
  TNewTourneyDraft FDraft;
  bool FRestore = false;
  QString FRestoreFile;
  QComboBox *FFormat, *FLobby, *FRapidAssign;
  QLineEdit *FHost, *FCoHost, *FHostPlayer, *FCoHostPlayer, *FRules, *FStart, *FFile;
  QCheckBox *FHostUnscheduled, *FCoHostUnscheduled, *FTeams, *FCapNames, *FShowPoints;
  QListWidget* FRecent;
};

enum class TNewTourneyOutcome { Cancelled, Started, Restore };
// File/New and the first start without a file: on Start the tournament is
// reset and its file goes to the top of recentTourneys (newest first); on
// Restore the file to reopen is given (empty: let the host pick one).
TNewTourneyOutcome ShowNewTourneyDialog(QWidget* parent, TTourney& t, std::vector<std::string>& recentTourneys,
                                        QString& restoreFile);

}  // namespace vkr
