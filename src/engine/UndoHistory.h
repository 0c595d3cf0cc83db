#pragma once
// Undo and redo lists as journals of field changes.
//
// Each list holds its snapshots implicitly: for every snapshot below the top a
// journal of the changes that lead from it to the snapshot above, and for the
// top one the live journal of the changes made since it was taken. Restoring
// the top rolls the live journal back; popping makes the link below it the new
// live journal. A whole 256-entry tournament so costs a few hundred kilobytes
// of history instead of a copy of the 3 x 15 x 128 table block per click.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vkr {

enum class TChangeKind : uint8_t {
  TableNumber, Result, Seat, StartTime, FinishTime, Reminded, TableCount, HasByeTable,
  Slot, Name, Member1, Member2, BootStart, BootCount, BootedTooLong, Disqualified, Points, Final
};

struct TChange {
  TChangeKind Kind;
  uint8_t Sub;     // seat, slot, reminder or final index
  uint16_t Where;  // table key, round key or entry index
  int64_t Old;     // value bits, or an index into the journal's strings
  int64_t New;
};

struct TJournal {
  std::vector<TChange> Changes;
  std::vector<std::string> Strings;
  size_t Bytes() const;
};

enum class TListKind : int { Undo = 0, Redo = 1 };

class TUndoHistory {
 public:
  int Count(TListKind list) const { return L(list).Count; }
  bool Empty(TListKind list) const { return L(list).Count == 0; }
  bool AnyRecording() const { return Recording(FLists[0]) || Recording(FLists[1]); }
  void Record(TChangeKind kind, uint16_t where, uint8_t sub, int64_t oldValue, int64_t newValue);
  void RecordString(TChangeKind kind, uint16_t where, const std::string& oldValue, const std::string& newValue);

  // A new snapshot of the current state on top of the list.
  void Push(TListKind list);
  void Clear(TListKind list);
  // Hands out the top's live journal and stops recording into the list until
  // FinishPop; the caller rolls the journal back.
  TJournal BeginPop(TListKind list);
  void FinishPop(TListKind list);

  // Memory held by both lists, in bytes.
  size_t Bytes() const;

 private:
  struct TList {
    std::vector<TJournal> Links;
    TJournal Live;
    int Count = 0;
    bool Consuming = false;
  };
  static bool Recording(const TList& l) { return l.Count > 0 && !l.Consuming; }
  TList& L(TListKind k) { return FLists[static_cast<int>(k)]; }
  const TList& L(TListKind k) const { return FLists[static_cast<int>(k)]; }
  TList FLists[2];
};

}  // namespace vkr
