#pragma once
// The reports the File menu's "Save as..." writes besides the tournament
// file: the points summary ("Orlek's Points File"), the text report and the
// CSV report.
#include <string>
#include <vector>

namespace vkr {

struct TTourney;

enum class TReportKind { PointsSummary, Text, Csv };

// Builds a report's lines. A damaged tournament stops the building with an
// error box and keeps the lines built so far. False only when the points
// summary was refused.
bool BuildReportLines(TTourney& t, TReportKind kind, std::vector<std::string>& lines);
// Builds the report and replaces fileName with its lines (Windows-1252, CR LF
// line ends). False when nothing was written.
bool ExportReport(TTourney& t, TReportKind kind, const std::string& fileName);
// Replaces fileName with the lines; false, after an error box, when it cannot.
bool WriteReportFile(TTourney& t, const std::string& fileName, const std::vector<std::string>& lines);

}  // namespace vkr
