#include "storage/ActionLog.h"

#include "base/Paths.h"
#include "engine/Tourney.h"
#include "storage/FileSystemPort.h"

namespace vkr {

std::string LogFileName(const TTourney& t) {
  if (t.Storage.FileName.empty()) return ".log";
  return ChangeFileExt(t.Storage.FileName, ".log");
}

void WriteLogLine(TTourney& t, std::string_view line) {
  if (t.Ports.Files == nullptr) return;
  std::string entry;
  entry.reserve(line.size() + 2);
  entry.append(line);
  entry += "\r\n";
  t.Ports.Files->AppendWriteThrough(LogFileName(t), entry);
}

}  // namespace vkr
