// The Format menu's settings dialogs, the format manager, File/New with the
// start-up choice of a tournament, and the points view. Each dialog works on
// copies; on OK its core function takes the values over and saves the
// tournament, and the window then shows what changed.
#include <QAction>
#include <QDir>

#include "engine/Tourney.h"
#include "formats/uBootTime.h"
#include "formats/uFormatManager.h"
#include "formats/uMatchPoints.h"
#include "formats/uMatchTimeLimits.h"
#include "formats/uNewTourney.h"
#include "formats/uPlayerPoints.h"
#include "formats/uStartTables.h"
#include "qt/QtText.h"
#include "storage/uPointsSummary.h"
#include "ui/StatusPanels.h"
#include "ui/TarnwickForm.h"

namespace vkr {

void TTarnwickForm::ConnectDialogItems() {
  ConnectItem("New1", [this] { NewTourneyClick(); });
  // The elimination type and the table numbers may change: every view again.
  ConnectItem("Other2", [this] {
    ShowMatchPointsDialog(this, T);
    RefreshAll();
  });
  ConnectItem("Defaultstarttables1", [this] {
    ShowStartTablesDialog(this, T);
    RefreshAll();
  });
  ConnectItem("Playerpoints1", [this] {
    ShowPlayerPointsDialog(this, T);
    FStatus->Refresh();
  });
  ConnectItem("Boottime1", [this] { ShowBootTimeDialog(this, T); });
  ConnectItem("Timelimits1", [this] {
    ShowTimeLimitsDialog(this, T);
    TimerTick();
  });
  // The Format menu's entries follow the store in UpdateActions.
  ConnectItem("Editformat1", [this] { ShowFormatManager(this, T); });
  ConnectItem("EditSendPoints1", [this] { ShowPointsView(); });
}

void TTarnwickForm::ShowPointsView() {
  ShowPointsSummary(this, T, *FMail);
  // Opening saved the tournament, which refreshed the points.
  FStatus->Refresh();
}

void TTarnwickForm::StartUp(const QString& fileName) {
  // A window left without a file would write nothing of the evening.
  if (fileName.isEmpty() || !OpenTourney(fileName)) NewTourneyClick();
}

void TTarnwickForm::NewTourneyClick() {
  std::vector<std::string> recent;
  for (const QString& file : RecentTourneys()) recent.push_back(FromQt(QDir::toNativeSeparators(file)));
  QString restoreFile;
  switch (ShowNewTourneyDialog(this, T, recent, restoreFile)) {
    case TNewTourneyOutcome::Started:
      RememberTourney(ToQt(T.Storage.FileName));
      ShowReplacedTourney();
      break;
    case TNewTourneyOutcome::Restore:
      if (restoreFile.isEmpty()) OpenItemClick();
      else OpenTourney(restoreFile);
      break;
    case TNewTourneyOutcome::Cancelled:
      break;
  }
}

}  // namespace vkr
