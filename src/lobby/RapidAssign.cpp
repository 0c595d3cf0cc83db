#include "lobby/RapidAssign.h"

#include <iostream>

#include "base/Text.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "lobby/FolderWatchPort.h"
#include "lobby/FriendsList.h"
#include "lobby/RapidAssignMenu.h"
#include "lobby/WindowSystemPort.h"
#include "storage/FileSystemPort.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

constexpr int kReadAttempts = 8;
constexpr uint32_t kReadPauseMs = 10;

void DebugLine(const std::string& text) { std::clog << "KORVENDA: " << text << '\n'; }

std::string UserFolder(const TTourney& t, const std::string& nick) {
  const std::string& root = t.RapidAssign.FavoritesRoot;
  if (root.empty() || root.back() == '/' || root.back() == '\\') return root + nick;
  // A folder typed without its separator takes the one it already uses.
  const bool backslashes = root.find('\\') != std::string::npos && root.find('/') == std::string::npos;
  return root + (backslashes ? "\\" : "/") + nick;
}

std::string FileInFolder(const std::string& folder, const char* name) {
  const bool backslashes = folder.find('\\') != std::string::npos && folder.find('/') == std::string::npos;
  return folder + (backslashes ? "\\" : "/") + name;
}

bool ReadListFile(TTourney& t, const std::string& file, std::string& bytes) {
  return t.Ports.Files->ReadFile(file, bytes, kMaxFriendsFileBytes);
}

// Reads the list into Names; a locked file is tried again a few times.
bool ReadFriends(TTourney& t) {
  TRapidAssignState& ra = t.RapidAssign;
  const std::string file = FriendsFileOf(t, ra.Nick);
  std::string bytes;
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    if (attempt > 0) t.Ports.Clock->DelayWithMessages(kReadPauseMs);
    if (ReadListFile(t, file, bytes)) return ReadFriendsSection(bytes, ra.Names);
  }
  DebugLine("Could not open Friends.txt");
  const char* reason = t.Ports.Files->FileExists(file) ? "The file is in use or too large to be a friends list."
                                                       : "The system cannot find the file specified.";
  t.Ports.Screen->Error(std::string("Error reading ZoneFriends list: \r\n\r\n") + reason);
  return false;
}

// Saves the host's list before anything may write it. An earlier copy that
// was never put back is the original and stays. The copy is read back, so
// that a full or failing disk stops rapid assign instead of the list.
bool SaveFriends(TTourney& t, const std::string& nick) {
  TFileSystemPort& files = *t.Ports.Files;
  const std::string list = FriendsFileOf(t, nick), backup = FriendsBackupOf(t, nick);
  if (files.FileExists(backup) || !files.FileExists(list)) return true;
  std::string bytes, copy;
  if (ReadListFile(t, list, bytes) && files.WriteFileAtomic(backup, bytes, true) && ReadListFile(t, backup, copy) &&
      copy == bytes) {
    return true;
  }
  files.DeleteFile(backup);
  t.Ports.Screen->Error("Could not save a copy of the ZoneFriends list, so Rapid-Assign stays off.");
  return false;
}

void WriteFriends(TTourney& t) {
  TRapidAssignState& ra = t.RapidAssign;
  if (!ra.Active) return;
  TFileSystemPort& files = *t.Ports.Files;
  const std::string list = FriendsFileOf(t, ra.Nick);
  // Only over an existing list, and only while its copy exists.
  if (!files.FileExists(list) || !files.FileExists(FriendsBackupOf(t, ra.Nick)) ||
      !files.WriteFileAtomic(list, FriendsFileText(ra.Names), true)) {
    DebugLine("Could open Friends.txt to write to");
  }
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  for (const std::string& n : names) {
    if (SameText(n, name)) return true;
  }
  return false;
}

}  // namespace

std::string FriendsFileOf(const TTourney& t, const std::string& nick) {
  return FileInFolder(UserFolder(t, nick), "Friends.txt");
}

std::string FriendsBackupOf(const TTourney& t, const std::string& nick) {
  return FileInFolder(UserFolder(t, nick), "Friends.bak");
}

std::string GetZoneNick(TTourney& t) {
  TWindowSystemPort* windows = t.Ports.Windows;
  if (windows == nullptr) return t.Context.HostName;
  const TWindowHandle client = windows->FindTopLevel("ZoneClient", 0);
  if (client == 0) {
    DebugLine("Could not find the ZoneFriends window");
    return {};
  }
  const std::string title = windows->WindowText(client);
  const size_t dash = title.find(" - ");
  if (dash == std::string::npos) {
    DebugLine("Could not find the nick in the ZoneFriends window's title");
    return {};
  }
  return title.substr(dash + 3);
}

bool SetRapidAssignActive(TTourney& t, bool on) {
  TRapidAssignState& ra = t.RapidAssign;
  if (on == ra.Active) return true;
  if (!on) {
    ra.Active = false;
    if (t.Ports.FolderWatch != nullptr) t.Ports.FolderWatch->Unwatch();
    RestoreFriends(t, ra.Nick);
    ra.Nick.clear();
    return true;
  }
  if (ra.FavoritesRoot.empty() || t.Ports.FolderWatch == nullptr) {
    DebugLine("ZoneFriends root path not found");
    return false;
  }
  const std::string nick = GetZoneNick(t);
  // A name that is not one folder would reach outside the friends-list folder.
  if (Trim(nick).empty() || nick.find_first_of("/\\") != std::string::npos || nick == "." || nick == "..") {
    return false;
  }
  if (!SaveFriends(t, nick)) return false;
  ra.Nick = nick;
  ReadFriends(t);
  ra.Active = true;
  t.Ports.FolderWatch->Watch(FriendsFileOf(t, nick), [&t] { FriendsFileChanged(t); });
  return true;
}

void ClearFriends(TTourney& t) {
  t.RapidAssign.Names.clear();
  WriteFriends(t);
}

void RemoveFriend(TTourney& t, const std::string& name) {
  TRapidAssignState& ra = t.RapidAssign;
  if (!ra.Active) return;
  const size_t before = ra.Names.size();
  std::erase_if(ra.Names, [&](const std::string& n) { return SameText(n, name); });
  if (ra.Names.size() != before) WriteFriends(t);
}

std::vector<std::string> FindUnrestored(TTourney& t) {
  std::vector<std::string> nicks;
  if (t.RapidAssign.FavoritesRoot.empty() || t.Ports.FolderWatch == nullptr) return nicks;
  for (std::string& folder : t.Ports.FolderWatch->Subfolders(t.RapidAssign.FavoritesRoot)) {
    if (t.Ports.Files->FileExists(FriendsBackupOf(t, folder))) nicks.push_back(std::move(folder));
  }
  return nicks;
}

bool OfferedForRestore(const TTourney& t, const std::string& nick) { return !SameText(nick, t.RapidAssign.Nick); }

void RestoreFriends(TTourney& t, const std::string& nick) {
  TFileSystemPort& files = *t.Ports.Files;
  const std::string backup = FriendsBackupOf(t, nick);
  if (!files.FileExists(backup)) return;
  // The copy goes only once the list is back in full, on the disk.
  std::string bytes;
  if (ReadListFile(t, backup, bytes) && files.WriteFileAtomic(FriendsFileOf(t, nick), bytes, true)) {
    files.DeleteFile(backup);
    return;
  }
  t.Ports.Screen->Warning("Could not restore ZoneFriends file, the original still exists though");
}

void FriendsFileChanged(TTourney& t) {
  TRapidAssignState& ra = t.RapidAssign;
  if (ra.Busy) {
    // Signing up waits with messages flowing: a change seen meanwhile is
    // handled once this one is done, so no name is missed.
    ra.ChangedWhileBusy = true;
    return;
  }
  ra.Busy = true;
  do {
    ra.ChangedWhileBusy = false;
    if (!ra.Active) break;
    const std::vector<std::string> old = ra.Names;
    if (!ReadFriends(t)) break;
    const std::vector<std::string> now = ra.Names;
    for (const std::string& name : now) {
      if (!Contains(old, name)) RapidAssignPlayerAdded(t, name);
    }
    for (const std::string& name : old) {
      if (!Contains(now, name)) RapidAssignPlayerRemoved(t, name);
    }
  } while (ra.ChangedWhileBusy);
  ra.Busy = false;
}

void RapidAssignNickCheck(TTourney& t) {
  TRapidAssignState& ra = t.RapidAssign;
  if (!ra.Active || SameText(GetZoneNick(t), ra.Nick)) return;
  DebugLine("ZoneFriends nick has changed, deactivating RapidAssign");
  SetRapidAssignActive(t, false);
  RapidAssignNameChanged(t);
}

}  // namespace vkr
