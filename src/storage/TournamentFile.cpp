#include "storage/TournamentFile.h"

#include "base/Paths.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "lobby/RapidAssign.h"
#include "storage/FileSystemPort.h"
#include "storage/PlayerPoints.h"
#include "storage/TournamentState.h"

namespace vkr {
namespace {

// Far above the largest file of any version (about 210 kB).
constexpr size_t kMaxFileBytes = 1 << 20;

std::string BackupName(const std::string& name) { return ChangeFileExt(name, ".~vkr"); }

void ShowLoadError(TTourney& t, const std::string& reason) {
  t.Ports.Screen->Error("An error was encountered opening the file with the error message:\r\n\r\n" + reason);
  t.Storage.SkipBackupOnNextSave = true;
}

// A save interrupted by a crash leaves its temporary files beside the file
// and its backup; the first save under a name and every opening remove them.
void RemoveLeftovers(TTourney& t, const std::string& name) {
  t.Ports.Files->RemoveLeftoverTemporaries(name);
  t.Ports.Files->RemoveLeftoverTemporaries(BackupName(name));
  t.Storage.TidiedName = name;
}

}  // namespace

void SaveTournament(TTourney& t) {
  UpdatePlayerState(t);
  const std::string& name = t.Storage.FileName;
  if (name.empty()) return;
  const std::string bytes = WriteTournamentImage(CaptureTournament(t));
  if (t.Storage.TidiedName != name) RemoveLeftovers(t, name);
  TFileSystemPort& files = *t.Ports.Files;
  const std::string backup = BackupName(name);
  // A tournament saved under a backup's name has no backup of its own.
  const bool keepBackup = !t.Storage.SkipBackupOnNextSave && backup != name;
  t.Storage.SkipBackupOnNextSave = false;
  const bool written = keepBackup ? files.WriteFileKeepingBackup(name, backup, bytes, t.Storage.FlushOnSave)
                                  : files.WriteFileAtomic(name, bytes, t.Storage.FlushOnSave);
  if (!written) t.Ports.Screen->Error("Cannot create file \"" + name + "\".");
}

void SaveTournamentAs(TTourney& t, const std::string& name) {
  t.Storage.FileName = name;
  SaveTournament(t);
}

bool LoadTournament(TTourney& t, const std::string& name) {
  std::string bytes;
  if (!t.Ports.Files->ReadFile(name, bytes, kMaxFileBytes)) {
    ShowLoadError(t, "Cannot open file \"" + name + "\".");
    return false;
  }
  TTourneyImage image;
  try {
    image = ReadTournamentImage(bytes, t.Format.PlayerPoints);
  } catch (const std::runtime_error& e) {  // TStreamReadError, TLoadAborted
    ShowLoadError(t, e.what());
    return false;
  }
  SetRapidAssignActive(t, false);
  ApplyTournament(t, image, name);
  RemoveLeftovers(t, t.Storage.FileName);
  return true;
}

bool OpenTournamentWithBackup(TTourney& t, const std::string& name) {
  if (LoadTournament(t, name)) return true;
  const std::string backup = BackupName(name);
  // A backup that failed to open is not offered in place of itself.
  if (backup == name || !t.Ports.Files->FileExists(backup)) return false;
  if (!t.Ports.Screen->Confirm("A backup of this file exists. Do you want to load this instead?", nullptr)) {
    return false;
  }
  if (!LoadTournament(t, backup)) return false;
  SaveTournament(t);
  return true;
}

}  // namespace vkr
