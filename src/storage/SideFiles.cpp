#include "storage/SideFiles.h"

#include "base/Text.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "storage/FileSystemPort.h"

namespace vkr {

namespace {

// A list file is names, one per line: a larger file is not one of ours.
constexpr size_t kMaxListFile = 4 * 1024 * 1024;
const char* const kBannedFile = "BannedPlayers.txt";
const char* const kRecentFile = "RecentPlayers.txt";
const char* const kFormatStore = "Tourney Formats.ini";

void LoadList(TTourney& t, const char* name, TNameList& list) {
  std::string text;
  if (t.Ports.Files->ReadFile(t.FilesFolder + name, text, kMaxListFile)) list.FromText(text);
}

void SaveList(TTourney& t, const char* name, const TNameList& list) {
  const std::string path = t.FilesFolder + name;
  if (!t.Ports.Files->WriteFileAtomic(path, list.ToText(), false)) {
    t.Ports.Screen->Error("Cannot create file \"" + path + "\".");
  }
}

bool EndsWithSeparator(const std::string& folder) {
  return !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
}

}  // namespace

void LoadPlayerLists(TTourney& t) {
  LoadList(t, kBannedFile, t.BannedPlayers);
  LoadList(t, kRecentFile, t.RecentPlayers);
}

void SavePlayerLists(TTourney& t) {
  SaveList(t, kBannedFile, t.BannedPlayers);
  SaveList(t, kRecentFile, t.RecentPlayers);
}

bool MoveFilesFolder(TTourney& t, std::string folder) {
  if (folder.empty()) return false;
  // A folder picked on Windows uses backslashes, elsewhere slashes.
  if (!EndsWithSeparator(folder)) folder += folder.find('\\') != std::string::npos ? '\\' : '/';
  if (SameText(folder, t.FilesFolder)) return false;
  TFileSystemPort& files = *t.Ports.Files;
  const std::string& old = t.FilesFolder;
  if (!files.CopyFile(old + kFormatStore, folder + kFormatStore) ||
      !files.CopyFile(old + kBannedFile, folder + kBannedFile)) {
    t.Ports.Screen->Warning("Could not move the format file to the new location, leaving it as it was.");
    return false;
  }
  files.DeleteFile(old + kFormatStore);
  files.DeleteFile(old + kBannedFile);
  t.FilesFolder = folder;
  return true;
}

}  // namespace vkr
