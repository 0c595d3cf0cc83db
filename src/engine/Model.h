#pragma once
// The tournament model: three brackets of 15 rounds of 128 numbered tables,
// and the entries (players or two-player teams) in sign-up order.
//
// Every write to the parts an undo snapshot covers (tables, rounds, entry
// records, the five decisive round indexes) goes through the setters below,
// which record the old and new value in the open undo journals. A snapshot is
// then a journal segment, not a copy of the table block (see UndoHistory.h).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "engine/UndoHistory.h"

namespace vkr {

constexpr int kMaxEntries = 256;
constexpr int kBrackets = 3;
constexpr int kRounds = 15;
constexpr int kTablesPerRound = 128;
constexpr int kSlots = 16;
constexpr int kMinEntriesToClose = 8;
// Table numbers beyond any lobby's count; files with larger ones are refused.
constexpr int32_t kMaxTableNumber = 65535;
// Rows of the three bracket views: the tables a seat search may use.
constexpr int kSearchTables[kBrackets] = {128, 64, 48};

enum TBracketIndex : int { Winners = 0, OneLoss = 1, TwoLoss = 2 };
// The brackets as log lines name them.
constexpr const char* kBracketNames[kBrackets] = {"Winners", "OneLoss", "TwoLoss"};
enum TElimFormat : int { ElimSingle = 0, ElimDouble = 1, ElimTriple = 2 };

// A table by bracket, round index and table index; Bracket -1 means none.
struct TTableRef {
  int8_t Bracket = -1;
  int8_t Round = 0;
  int16_t Index = 0;
  bool IsSet() const { return Bracket >= 0; }
  bool operator==(const TTableRef&) const = default;
  static TTableRef Of(int bracket, int round, int index) {
    return {static_cast<int8_t>(bracket), static_cast<int8_t>(round), static_cast<int16_t>(index)};
  }
};

constexpr int16_t kNoEntry = -1;

struct TTable {
  int32_t Number = 0;
  int32_t Result = 0;  // 0 none, 1 seat 0 won, 2 seat 1 won, 4 both quit
  std::array<int16_t, 2> Seat{kNoEntry, kNoEntry};  // index into the entries
  TDateTime StartTime = 0;
  TDateTime FinishTime = 0;
  bool Reminded15 = false, Reminded10 = false, Reminded5 = false;

  bool operator==(const TTable&) const = default;
  // Only 1 and 2 name a seat; any other value (3 from a damaged file) is no result to read seats from.
  bool Decided() const { return Result == 1 || Result == 2; }
  bool SeatTaken(int s) const { return Seat[s] != kNoEntry; }
  int16_t Winner() const { return Decided() ? Seat[Result - 1] : kNoEntry; }
  int16_t Loser() const { return Decided() ? Seat[Result & 1] : kNoEntry; }
};

struct TRound {
  int32_t Number = 0;  // 1-based
  int32_t TableCount = 0;
  bool HasByeTable = false;
  int32_t Bracket = 0;
  std::array<TTable, kTablesPerRound> Tables{};
  bool operator==(const TRound&) const = default;
};

struct TPlayer {
  std::string Name, Member1, Member2;
  TDateTime BootStart = 0;
  int32_t BootCount = 0;
  bool BootedTooLong = false;
  bool Disqualified = false;
  int32_t Points = 0;
  std::array<TTableRef, kSlots> Tables{};
  std::array<int8_t, kSlots> Seats{};
  bool operator==(const TPlayer&) const = default;

  // The last filled slot (slots fill without gaps from 0); -1 when none.
  int LastSlot() const;
  // The slot the entry sits at now: the last filled one, slot 0 when none.
  // (A triple elimination of more than 192 entries seats its two-loss
  // champion at the grand final in slot 15.)
  int CurrentSlot() const;
};

enum class TFinal : uint8_t { WinnersFinal, OneLossFinal, TwoLossFinal, OneLossLast, GrandFinal };

class TModel {
 public:
  TModel();

  // Reading.
  const TRound& Round(int bracket, int round) const { return FRounds[Idx(bracket, round)]; }
  const TTable& Table(int bracket, int round, int index) const {
    return FRounds[Idx(bracket, round)].Tables[static_cast<size_t>(index)];
  }
  const TTable& Table(TTableRef ref) const { return Table(ref.Bracket, ref.Round, ref.Index); }
  bool IsByeTable(TTableRef ref) const;
  int PlayerCount() const { return static_cast<int>(FPlayers.size()); }
  const TPlayer& Player(int index) const { return FPlayers[static_cast<size_t>(index)]; }
  const std::vector<TPlayer>& Players() const { return FPlayers; }
  int32_t Final(TFinal which) const { return FFinals[static_cast<size_t>(which)]; }
  int32_t WinnersFinalRound() const { return Final(TFinal::WinnersFinal); }
  int32_t OneLossFinalRound() const { return Final(TFinal::OneLossFinal); }
  int32_t TwoLossFinalRound() const { return Final(TFinal::TwoLossFinal); }
  int32_t OneLossLastRound() const { return Final(TFinal::OneLossLast); }
  int32_t GrandFinalRound() const { return Final(TFinal::GrandFinal); }

  // Writing (journaled).
  void SetTableNumber(TTableRef t, int32_t number);
  void SetResult(TTableRef t, int32_t result);
  void SetSeat(TTableRef t, int seat, int16_t entry);
  void SetStartTime(TTableRef t, TDateTime value);
  void SetFinishTime(TTableRef t, TDateTime value);
  void SetReminded(TTableRef t, int which, bool value);  // which: 0 15 min, 1 10 min, 2 5 min
  void SetTableCount(int bracket, int round, int32_t count);
  void SetHasByeTable(int bracket, int round, bool value);
  void SetSlot(int entry, int slot, TTableRef table, int seat);
  void ClearSlot(int entry, int slot) { SetSlot(entry, slot, TTableRef{}, 0); }
  void SetName(int entry, const std::string& value);
  void SetMember1(int entry, const std::string& value);
  void SetMember2(int entry, const std::string& value);
  void SetBootStart(int entry, TDateTime value);
  void SetBootCount(int entry, int32_t value);
  void SetBootedTooLong(int entry, bool value);
  void SetDisqualified(int entry, bool value);
  void SetPoints(int entry, int32_t value);
  void SetFinal(TFinal which, int32_t value);

  // Changes of the entry list. Snapshots restore records by position, so
  // these require an empty undo history (the callers empty it first).
  int AppendPlayer(TPlayer player);
  // Removes an entry and renumbers the seat references above it.
  void ErasePlayer(int index);

  // Zero the brackets and entries without journaling; empties the history.
  void Reset();

  // Undo and redo.
  TUndoHistory& History() { return FHistory; }
  const TUndoHistory& History() const { return FHistory; }
  void PushSnapshot(TListKind list, bool clearRedo);
  // Restores the top snapshot of `from` after pushing the current state on the other list.
  bool RestoreTop(TListKind from);
  void ClearHistory(TListKind list) { FHistory.Clear(list); }

 private:
  friend class TUndoHistory;
  static size_t Idx(int bracket, int round) { return static_cast<size_t>(bracket * kRounds + round); }
  TTable& Mut(TTableRef t) { return FRounds[Idx(t.Bracket, t.Round)].Tables[static_cast<size_t>(t.Index)]; }
  void Apply(const TChange& change, bool forward, const TJournal& journal);
  template <typename T>
  void Write(T& field, T value, TChangeKind kind, uint16_t where, uint8_t sub);
  void WriteString(std::string& field, const std::string& value, TChangeKind kind, uint16_t entry);

  std::array<TRound, kBrackets * kRounds> FRounds{};
  std::vector<TPlayer> FPlayers;
  std::array<int32_t, 5> FFinals{};
  TUndoHistory FHistory;
};

}  // namespace vkr
