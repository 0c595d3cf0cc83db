#pragma once
// Everything the host window owns for the life of the program, without the
// widgets: the tournament model and its settings, the format's copies, the
// message templates and token record, the lobby link, the host's options and
// the ports to the outside world. The operations of every subsystem are free
// functions on it, each in the folder of its subsystem.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Random.h"
#include "engine/Model.h"
#include "engine/NameList.h"
#include "formats/FormatState.h"
#include "lobby/LobbyState.h"
#include "lobby/RapidAssignState.h"
#include "messages/MacroState.h"
#include "messages/MessageContext.h"
#include "storage/PointsState.h"
#include "timing/TimingState.h"

namespace vkr {

class TScreenPort;
class TClockPort;
class TClipboardPort;
class TFileSystemPort;
class TWindowSystemPort;
class TTimeZonePort;
class TFolderWatchPort;

struct TPorts {
  TScreenPort* Screen = nullptr;
  TClockPort* Clock = nullptr;
  TClipboardPort* Clipboard = nullptr;
  TFileSystemPort* Files = nullptr;
  TWindowSystemPort* Windows = nullptr;  // none: no lobby window can be found
  TTimeZonePort* TimeZones = nullptr;    // none: the extra clocks show local time
  TFolderWatchPort* FolderWatch = nullptr;  // none: rapid assign cannot start
};

// Menu options the engine reads.
struct THostOptions {
  bool ResetBootsOnAssign = true;
  bool ShowPointsAtEnd = true;
  bool HideCompletedMatches = false;
};

// What the host window shows, kept as data so that every front end agrees.
struct TViewState {
  std::array<bool, 3> RowsBuilt{true, false, false};
  std::array<int, 3> ShownRound{0, 1, 2};  // the round each view's selected tab shows
  std::array<std::string, 4> EmailLabels;  // "Name's Email:" of the four finalists
  std::array<std::string, 4> EmailBoxes;   // the addresses the host typed
  bool EmailPanelShown = false;
  std::string NewPlayerField;  // text of the add-player box
  std::string FindField;       // text of the find-player box
  std::string FindHighlight;   // upper-cased search text; empty for none
  std::string FindResult;      // the read-only box beside it
  int32_t FoundTable = 0;
  bool AssignByesItemEnabled = true;
  bool SignupControlsEnabled = true;  // format items, default start tables, one-per-table box
  std::string Caption = "Velmar Tourney Bracket";
};

struct TStorageState {
  std::string FileName;  // the tournament file; empty: nothing is written
  bool SkipBackupOnNextSave = false;
  bool FlushOnSave = true;  // flush the tournament file to disk before renaming it
  std::string TidiedName;   // the file name whose leftover temporary files are gone
};

struct TTourney {
  TPorts Ports;
  TModel Model;

  // Tournament-wide fields.
  int ElimFormat = ElimSingle;
  bool TeamMode = false;
  bool Started = false;
  TDateTime StartedAt = 0;
  TDateTime ClosedAt = 0;
  bool SignupsClosed = false;  // the find-player panel is shown
  bool OnePlayerPerTable = true;
  bool CapNames = false;
  bool AllByesInRound2 = false;
  bool RandomlyAssignByes = false;
  int32_t LobbyTableCount = 150;
  TPointsList StartTables{50, 90, 1, 80, 110, 130, 140, 80, 98, 30, 60, 90, 120, 148, 150};
  std::vector<int32_t> VoidTables;
  std::vector<int16_t> BootedPlayers;  // entries whose boot timing runs

  THostOptions Options;
  TViewState View;
  uint32_t ConfirmFilter = 0;
  bool ClearFriendsDefault = false;  // the answer used while the clear-friends question is silenced
  TNameList BannedPlayers, RecentPlayers;
  std::string FilesFolder;  // ends with a path separator, or empty for the current folder

  TMessages Messages;
  MessageContext Context;
  // Offsets (in days, subtracted from the local time) of the two extra clocks.
  std::array<double, 2> ExtraClockOffsets{};
  TFormatState Format;
  TLobbyState Lobby;
  TRapidAssignState RapidAssign;
  TMacroState Macros;
  TStorageState Storage;
  TPointsState Points;
  TTimingState Timing;
  TRandom Random;
};

}  // namespace vkr
