#include "storage/ReportExport.h"

#include <stdexcept>

#include "base/Text.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "storage/CsvReport.h"
#include "storage/FileSystemPort.h"
#include "storage/PointsSummary.h"
#include "storage/TextReport.h"

namespace vkr {

bool BuildReportLines(TTourney& t, TReportKind kind, std::vector<std::string>& lines) {
  try {
    switch (kind) {
      case TReportKind::PointsSummary:
        return BuildPointsSummary(t, lines);
      case TReportKind::Text:
        BuildTextReport(t, lines);
        break;
      case TReportKind::Csv:
        BuildCsvReport(t, lines);
        break;
    }
  } catch (const std::out_of_range&) {
    t.Ports.Screen->Error("An error occured generating the text file, not all information will be saved");
  }
  return true;
}

bool ExportReport(TTourney& t, TReportKind kind, const std::string& fileName) {
  std::vector<std::string> lines;
  if (!BuildReportLines(t, kind, lines)) return false;
  return WriteReportFile(t, fileName, lines);
}

bool WriteReportFile(TTourney& t, const std::string& fileName, const std::vector<std::string>& lines) {
  if (!t.Ports.Files->WriteFileAtomic(fileName, JoinLinesCrLf(lines), true)) {
    t.Ports.Screen->Error("Cannot create file \"" + fileName + "\".");
    return false;
  }
  return true;
}

}  // namespace vkr
