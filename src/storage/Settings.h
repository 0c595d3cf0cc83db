#pragma once
// What the program remembers between runs, value by value as the settings
// store holds it, with the built-in defaults.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vkr {

class TSettingsPort;

struct TSettings {
  std::optional<int32_t> Left, Top, Height;  // none: the window's designed placement
  int32_t BracketArrangement = 0;
  std::string HostName;
  std::string ActiveMacroFile;  // empty: the files folder's "Macros.vkm"
  std::string DefaultLocation;  // empty: the default files folder
  std::string FriendsListFolder;  // the lobby client's folder of friends lists; empty: unknown
  bool ShowPointsAtEnd = true;
  bool AlwaysOnTop = false;
  bool ShowStatusSummary = true;
  std::optional<std::string> DefaultStartTables;
  bool RemindAt15 = false, RemindAt10 = false, RemindAt5 = false;
  bool ResetBootOnAssign = true;
  bool ShowMainMenuLobbies = false;
  bool AutoPostPreview = false;
  bool AutoPostLoss = false;
  bool HideCompletedMatches = false;
  std::string MiddleTimeZone, RightTimeZone;  // empty: the built-in zones
  bool MiddleTime24Hour = false, RightTime24Hour = false;
  uint32_t ConfirmNotifyFilter = 0;
  bool DefaultClearZFList = false;
  int32_t LastVersionInstalled = 0;
  bool FourPerTable = false;
  bool CapNames = false;
  bool AllByesInRound2 = false;
  bool RandomlyAssignByes = false;
  bool PostAssignmentsManually = false;
  bool DisplayMatchTimeRemaining = false;
  std::vector<std::string> RecentTourneys;   // newest first
  std::vector<std::string> RecentMacroFiles;  // newest first
};

inline constexpr int kRecentFilesKept = 10;

// Reads the stored values over the defaults in s. A value that is missing
// keeps its default; a boolean stored as text is ignored. False when reading
// failed part way (no "Left"): the rest keep their defaults and the caller
// shows "Error reading configuration". No settings at all is not a failure.
bool ReadSettings(TSettingsPort& port, TSettings& s);
// Writes every value except "Default Start Tables" and "Last Version Installed".
void WriteSettings(TSettingsPort& port, const TSettings& s);

// Puts a file at the top of a recent-files list, dropping an older entry of
// the same name (case ignored) and the entries past the kept count.
void AddRecentFile(std::vector<std::string>& list, const std::string& fileName);

}  // namespace vkr
