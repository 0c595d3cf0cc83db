// Script commands of the reports: the points grid and byes list, the three
// reports written to files, and a look at the files written.
#include "base/Text.h"
#include "cli/Commands.h"
#include "cli/FileInspect.h"
#include "cli/ScriptHost.h"
#include "storage/ByesList.h"
#include "storage/PlayerPoints.h"
#include "storage/PointsGrid.h"
#include "storage/ReportExport.h"

namespace vkr::cli {
namespace {

// A text file can be looked at up to this size.
constexpr size_t kMaxShownFile = 16 * 1024 * 1024;

TReportKind ParseKind(const std::string& word) {
  if (const TReportChoice* report = FindReport(word)) return report->Kind;
  throw TScriptError("expected text, csv or points, not '" + word + "'");
}

void Export(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 2, 2);
  ExportReport(h.T, ParseKind(line.Arg(1)), line.Arg(2));
}

// The grid, the byes list and the count of entries in play, as the status panels show them.
void ShowPointsGrid(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 0, 0);
  for (const TPointsGridRow& row : PointsGridRows(h.T)) PrintLine(h.Out, "grid: ", row.Name + " | " + row.Points);
  for (const TByesListRow& row : ByesListRows(h.T)) PrintLine(h.Out, "byes: ", row.Name + " | " + row.Rounds);
  PrintLine(h.Out, "count: ", ActiveCountCaption(h.T));
}

// The host types VALUE into the points cell of the grid row named NAME.
void PointsEdit(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 2, 2);
  const std::vector<TPointsGridRow>& grid = PointsGridRows(h.T);
  for (size_t row = 0; row < grid.size(); ++row) {
    if (SameText(grid[row].Name, line.Arg(1))) {
      EditPointsGridCell(h.T, row, TGridColumn::Points, line.Arg(2));
      return;
    }
  }
  throw TScriptError("no row '" + line.Arg(1) + "' in the points grid");
}

// Prints a file the program wrote, one line each; a line end other than CR LF shows as \n.
void Type(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 1, 1);
  std::string bytes;
  if (!h.Files.ReadFile(line.Arg(1), bytes, kMaxShownFile)) throw TScriptError("cannot read " + line.Arg(1));
  size_t start = 0;
  for (size_t end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
    PrintLine(h.Out, "| ", bytes.substr(start, end - start));
    start = end + 2;
  }
  if (start < bytes.size()) PrintLine(h.Out, "| (no line end) ", bytes.substr(start));
}

}  // namespace

void RegisterReportCommands(TCommandTable& table) {
  table["export"] = Export;
  table["points-grid"] = ShowPointsGrid;
  table["points-edit"] = PointsEdit;
  table["type"] = Type;
}

}  // namespace vkr::cli
