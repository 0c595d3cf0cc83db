#include "storage/SettingsApply.h"

#include <algorithm>

#include "engine/Tourney.h"
#include "formats/PointsList.h"
#include "storage/Settings.h"
#include "timing/TimingSettings.h"

namespace vkr {

void ApplySettings(TTourney& t, const TSettings& s) {
  if (!s.DefaultLocation.empty()) t.FilesFolder = s.DefaultLocation;
  t.Macros.FileName = s.ActiveMacroFile;
  t.Macros.RecentFiles = s.RecentMacroFiles;
  t.RapidAssign.FavoritesRoot = s.FriendsListFolder;
  t.Options.ShowPointsAtEnd = s.ShowPointsAtEnd;
  t.Options.ResetBootsOnAssign = s.ResetBootOnAssign;
  t.Options.HideCompletedMatches = s.HideCompletedMatches;
  if (s.DefaultStartTables) {
    // A damaged list would seat players at table 0: keep the built-in one.
    const TPointsList tables = TextToList(*s.DefaultStartTables);
    if (std::all_of(tables.begin(), tables.end(), [](int32_t n) { return n >= 1 && n <= 150; })) {
      t.Format.DefaultStartTables = tables;
    }
  }
  t.Lobby.ShowLobbyInMenu = s.ShowMainMenuLobbies;
  t.Lobby.AutoPostPreview = s.AutoPostPreview;
  t.Lobby.AutoPostLoss = s.AutoPostLoss;
  t.Lobby.PostManually = s.PostAssignmentsManually;
  t.ConfirmFilter = s.ConfirmNotifyFilter;
  t.ClearFriendsDefault = s.DefaultClearZFList;
  t.TeamMode = s.FourPerTable;
  t.CapNames = s.CapNames;
  t.AllByesInRound2 = s.AllByesInRound2;
  t.RandomlyAssignByes = s.RandomlyAssignByes;
  ApplyTimingSettings(t, s);
}

void CaptureSettings(const TTourney& t, TSettings& s) {
  s.DefaultLocation = t.FilesFolder;
  s.ActiveMacroFile = t.Macros.FileName;
  s.RecentMacroFiles = t.Macros.RecentFiles;
  s.FriendsListFolder = t.RapidAssign.FavoritesRoot;
  s.ShowPointsAtEnd = t.Options.ShowPointsAtEnd;
  s.ResetBootOnAssign = t.Options.ResetBootsOnAssign;
  s.HideCompletedMatches = t.Options.HideCompletedMatches;
  s.ShowMainMenuLobbies = t.Lobby.ShowLobbyInMenu;
  s.AutoPostPreview = t.Lobby.AutoPostPreview;
  s.AutoPostLoss = t.Lobby.AutoPostLoss;
  s.PostAssignmentsManually = t.Lobby.PostManually;
  s.ConfirmNotifyFilter = t.ConfirmFilter;
  s.DefaultClearZFList = t.ClearFriendsDefault;
  s.FourPerTable = t.TeamMode;
  s.CapNames = t.CapNames;
  s.AllByesInRound2 = t.AllByesInRound2;
  s.RandomlyAssignByes = t.RandomlyAssignByes;
  CaptureTimingSettings(t, s);
}

}  // namespace vkr
