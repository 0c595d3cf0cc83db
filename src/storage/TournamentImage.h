#pragma once
// The content of a tournament file as values: what the reader fills from any
// file version and what the writer lays out as the current version. Loading
// reads a whole file into one of these before the tournament is touched.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/DateTime.h"
#include "engine/HostDetails.h"
#include "formats/FormatState.h"
#include "messages/MessageContext.h"

namespace vkr {

inline constexpr char kTourneySignature[] = "Tesmer's Tourney File\x1A";  // with the NUL after it: 23 bytes
constexpr size_t kSignatureSize = 23;
constexpr size_t kHeaderSize = 840;
constexpr size_t kHeaderExtSize = 492;
constexpr size_t kPlayerRecSize = 40;
constexpr size_t kTeamPlayerRecSize = 88;
constexpr size_t kRoundHeaderSize = 12;
constexpr size_t kTableRecSize = 32;
constexpr int kPlayerVersion = 9;
constexpr int kTeamVersion = 10;

struct TFileTable {
  int32_t Number = 0;
  int32_t Result = 0;
  std::array<int32_t, 2> Seat{-1, -1};
  TDateTime StartTime = 0;
  TDateTime FinishTime = 0;
};

struct TFileRound {
  int32_t Number = 0;  // written from memory, ignored when reading
  bool HasByeTable = false;
  std::vector<TFileTable> Tables;  // as many as the round's table count
};

struct TFilePlayer {
  std::string Name, Member1, Member2;
  TDateTime BootStart = 0;
  int32_t BootCount = 0;
  bool BootedTooLong = false;
  bool Disqualified = false;
};

struct TTourneyImage {
  int Version = kPlayerVersion;  // 10: team mode
  std::string FormatName;
  THostDetails Host;
  int32_t ElimFormat = 0;
  bool Started = false;
  bool SignupsClosed = false;  // the new-player box is disabled
  int32_t OneLossFinalRound = 0, WinnersFinalRound = 0, GrandFinalRound = 0;
  int32_t TwoLossFinalRound = 0, OneLossLastRound = 0;
  int32_t BootTime = 0;
  std::array<std::string, 4> EmailBoxes;
  TPointsList MatchPoints{}, TimeLimits{};
  TPlayerPointsSettings PlayerPoints;
  bool HostUnscheduled = false, CoHostUnscheduled = false;
  std::string LobbyName;
  std::array<TPointsList, kSizeLists> SizePointsLists{};
  TDateTime StartedAt = 0, ClosedAt = 0;
  bool DoublePlayerPoints = false;
  std::vector<TFilePlayer> Players;
  std::array<std::vector<TFileRound>, 3> Brackets;  // winners, one-loss, two-loss: the rounds stored
};

// A file the reader refuses: wrong signature or version, a count, index or
// value out of range.
class TLoadAborted : public std::runtime_error {
 public:
  TLoadAborted() : std::runtime_error("Operation aborted") {}
};

// The last round index of a bracket that the current layout stores; -1 for
// a bracket the elimination type does not use.
int LastStoredRound(const TTourneyImage& image, int bracket);

// The file in the current layout: version 9, or 10 with team records.
std::string WriteTournamentImage(const TTourneyImage& image);
// Any version from 3 to 10. Values an old version lacks come from defaults and,
// for the player points, from `current`. Throws TStreamReadError or TLoadAborted.
TTourneyImage ReadTournamentImage(std::string_view bytes, const TPlayerPointsSettings& current);

}  // namespace vkr
