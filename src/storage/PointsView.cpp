#include "storage/PointsView.h"

#include "base/Cp1252.h"
#include "base/DateTime.h"
#include "base/Paths.h"
#include "base/Text.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "lobby/ClipboardPort.h"
#include "messages/Templates.h"
#include "storage/MailPort.h"
#include "storage/PointsSummary.h"
#include "storage/ReportExport.h"
#include "storage/ReportHeader.h"
#include "storage/TournamentFile.h"

namespace vkr {

bool OpenPointsView(TTourney& t, std::vector<std::string>& lines) {
  SaveTournament(t);
  return BuildReportLines(t, TReportKind::PointsSummary, lines);
}

void CopyPointsText(TTourney& t, std::string_view text) {
  const std::string lines = JoinLinesCrLf(SplitLines(text));
  t.Ports.Clipboard->SetText(lines, Cp1252ToUtf16(lines));
}

bool SavePointsFile(TTourney& t, const std::string& fileName, std::string_view text) {
  return WriteReportFile(t, fileName, SplitLines(text));
}

std::string PointsMailFile(const TTourney& t) { return ChangeFileExt(t.Storage.FileName, ".txt"); }

std::string PointsMailSubject(const TTourney& t) {
  return "Results for " + CurrentFormatName(t) + " Tournament at " + t.Context.StartTimeText + " on " +
         FormatDateTime("dd mmm yy", TournamentDate(t));
}

bool MailPointsText(TTourney& t, TMailPort& mail, std::string_view text) {
  const std::vector<std::string> lines = SplitLines(text);
  if (!t.Storage.FileName.empty() && !WriteReportFile(t, PointsMailFile(t), lines)) return false;
  if (mail.Compose(TMailMessage{PointsMailSubject(t), JoinLinesCrLf(lines)})) return true;
  std::string message = "No mail program could be opened for the points.";
  if (!t.Storage.FileName.empty()) message += " They are saved in \"" + PointsMailFile(t) + "\".";
  t.Ports.Screen->Warning(message);
  return false;
}

}  // namespace vkr
