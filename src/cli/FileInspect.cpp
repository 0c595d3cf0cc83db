#include "cli/FileInspect.h"

#include "cli/Dump.h"
#include "base/Text.h"
#include "cli/ScriptHost.h"
#include "formats/FormatMenu.h"
#include "storage/TournamentFile.h"

namespace vkr::cli {
namespace {

// Reads pass through; every write is refused, so loading leaves no trace.
class TReadOnlyFiles : public TFileSystemPort {
 public:
  explicit TReadOnlyFiles(TFileSystemPort& files) : FFiles(files) {}
  bool AppendWriteThrough(const std::string&, std::string_view) override { return false; }
  bool ReadFile(const std::string& path, std::string& bytes, size_t maxBytes) override {
    return FFiles.ReadFile(path, bytes, maxBytes);
  }
  bool WriteFileAtomic(const std::string&, std::string_view, bool) override { return false; }
  bool CopyFile(const std::string&, const std::string&) override { return false; }
  bool FileExists(const std::string& path) override { return FFiles.FileExists(path); }
  bool DeleteFile(const std::string&) override { return false; }

 private:
  TFileSystemPort& FFiles;
};

}  // namespace

bool LoadReadOnly(TScriptHost& host, const std::string& path) {
  TReadOnlyFiles files(host.Files);
  host.T.Ports.Files = &files;
  // As at the host window's start: the values an old file lacks (its player
  // points) come from the built-in format.
  RebuildFormatMenu(host.T, "Default");
  bool loaded = LoadTournament(host.T, path);
  host.T.Ports.Files = &host.Files;
  return loaded;
}

int CheckTournamentFile(const std::string& path, std::ostream& err) {
  TScriptHost host(err);
  return LoadReadOnly(host, path) ? 0 : 1;
}

const TReportChoice* FindReport(const std::string& word) {
  static const TReportChoice reports[] = {
      {"text", TReportKind::Text, ".txt"},
      {"csv", TReportKind::Csv, ".csv"},
      {"points", TReportKind::PointsSummary, "-points.txt"},
  };
  for (const TReportChoice& report : reports) {
    if (word == report.Word) return &report;
  }
  return nullptr;
}

int ReportTournamentFile(TReportKind kind, const std::string& path, const std::string& outPath, std::ostream& out,
                         std::ostream& err) {
  TScriptHost host(err);
  if (!LoadReadOnly(host, path)) return 1;
  if (outPath != "-") return ExportReport(host.T, kind, outPath) ? 0 : 1;
  std::vector<std::string> lines;
  if (!BuildReportLines(host.T, kind, lines)) return 1;
  out << JoinLinesCrLf(lines);
  return out ? 0 : 1;
}

int DumpTournamentFile(const std::string& path, std::ostream& out, std::ostream& err) {
  TScriptHost host(err);
  if (!LoadReadOnly(host, path)) return 1;
  out << DumpJson(host.T);
  return 0;
}

}  // namespace vkr::cli
