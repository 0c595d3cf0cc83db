#include "engine/Model.h"

#include <bit>
#include <utility>

namespace vkr {
namespace {

uint16_t TableKey(TTableRef t) {
  return static_cast<uint16_t>((t.Bracket * kRounds + t.Round) * kTablesPerRound + t.Index);
}
TTableRef TableOfKey(uint16_t key) {
  return TTableRef::Of(key / (kRounds * kTablesPerRound), key / kTablesPerRound % kRounds, key % kTablesPerRound);
}
int64_t Bits(int32_t v) { return v; }
int64_t Bits(int16_t v) { return v; }
int64_t Bits(bool v) { return v ? 1 : 0; }
int64_t Bits(double v) { return std::bit_cast<int64_t>(v); }
int64_t SlotBits(TTableRef t, int seat) {
  return (t.Bracket + 1) | (int64_t{t.Round} << 8) | (int64_t{t.Index} << 16) | (int64_t{seat} << 32);
}

}  // namespace

int TPlayer::LastSlot() const {
  int k = -1;
  while (k + 1 < kSlots && Tables[static_cast<size_t>(k + 1)].IsSet()) ++k;
  return k;
}

int TPlayer::CurrentSlot() const {
  int k = 0;
  while (k < kSlots - 1 && Tables[static_cast<size_t>(k + 1)].IsSet()) ++k;
  return k;
}

TModel::TModel() { Reset(); }

bool TModel::IsByeTable(TTableRef ref) const {
  const TRound& r = Round(ref.Bracket, ref.Round);
  return r.HasByeTable && ref.Index == r.TableCount - 1;
}

template <typename T>
void TModel::Write(T& field, T value, TChangeKind kind, uint16_t where, uint8_t sub) {
  if (field == value) return;
  if (FHistory.AnyRecording()) FHistory.Record(kind, where, sub, Bits(field), Bits(value));
  field = value;
}

void TModel::WriteString(std::string& field, const std::string& value, TChangeKind kind, uint16_t entry) {
  if (field == value) return;
  if (FHistory.AnyRecording()) FHistory.RecordString(kind, entry, field, value);
  field = value;
}

void TModel::SetTableNumber(TTableRef t, int32_t number) {
  Write(Mut(t).Number, number, TChangeKind::TableNumber, TableKey(t), 0);
}
void TModel::SetResult(TTableRef t, int32_t result) { Write(Mut(t).Result, result, TChangeKind::Result, TableKey(t), 0); }
void TModel::SetSeat(TTableRef t, int seat, int16_t entry) {
  Write(Mut(t).Seat[static_cast<size_t>(seat)], entry, TChangeKind::Seat, TableKey(t), static_cast<uint8_t>(seat));
}
void TModel::SetStartTime(TTableRef t, TDateTime value) {
  Write(Mut(t).StartTime, value, TChangeKind::StartTime, TableKey(t), 0);
}
void TModel::SetFinishTime(TTableRef t, TDateTime value) {
  Write(Mut(t).FinishTime, value, TChangeKind::FinishTime, TableKey(t), 0);
}
void TModel::SetReminded(TTableRef t, int which, bool value) {
  TTable& table = Mut(t);
  bool& field = which == 0 ? table.Reminded15 : which == 1 ? table.Reminded10 : table.Reminded5;
  Write(field, value, TChangeKind::Reminded, TableKey(t), static_cast<uint8_t>(which));
}
void TModel::SetTableCount(int bracket, int round, int32_t count) {
  Write(FRounds[Idx(bracket, round)].TableCount, count, TChangeKind::TableCount,
        static_cast<uint16_t>(Idx(bracket, round)), 0);
}
void TModel::SetHasByeTable(int bracket, int round, bool value) {
  Write(FRounds[Idx(bracket, round)].HasByeTable, value, TChangeKind::HasByeTable,
        static_cast<uint16_t>(Idx(bracket, round)), 0);
}
void TModel::SetSlot(int entry, int slot, TTableRef table, int seat) {
  TPlayer& p = FPlayers[static_cast<size_t>(entry)];
  auto s = static_cast<size_t>(slot);
  if (p.Tables[s] == table && p.Seats[s] == seat) return;
  if (FHistory.AnyRecording()) {
    FHistory.Record(TChangeKind::Slot, static_cast<uint16_t>(entry), static_cast<uint8_t>(slot),
                    SlotBits(p.Tables[s], p.Seats[s]), SlotBits(table, seat));
  }
  p.Tables[s] = table;
  p.Seats[s] = static_cast<int8_t>(seat);
}
void TModel::SetName(int entry, const std::string& value) {
  WriteString(FPlayers[static_cast<size_t>(entry)].Name, value, TChangeKind::Name, static_cast<uint16_t>(entry));
}
void TModel::SetMember1(int entry, const std::string& value) {
  WriteString(FPlayers[static_cast<size_t>(entry)].Member1, value, TChangeKind::Member1, static_cast<uint16_t>(entry));
}
void TModel::SetMember2(int entry, const std::string& value) {
  WriteString(FPlayers[static_cast<size_t>(entry)].Member2, value, TChangeKind::Member2, static_cast<uint16_t>(entry));
}
void TModel::SetBootStart(int entry, TDateTime value) {
  Write(FPlayers[static_cast<size_t>(entry)].BootStart, value, TChangeKind::BootStart, static_cast<uint16_t>(entry), 0);
}
void TModel::SetBootCount(int entry, int32_t value) {
  Write(FPlayers[static_cast<size_t>(entry)].BootCount, value, TChangeKind::BootCount, static_cast<uint16_t>(entry), 0);
}
void TModel::SetBootedTooLong(int entry, bool value) {
  Write(FPlayers[static_cast<size_t>(entry)].BootedTooLong, value, TChangeKind::BootedTooLong,
        static_cast<uint16_t>(entry), 0);
}
void TModel::SetDisqualified(int entry, bool value) {
  Write(FPlayers[static_cast<size_t>(entry)].Disqualified, value, TChangeKind::Disqualified,
        static_cast<uint16_t>(entry), 0);
}
void TModel::SetPoints(int entry, int32_t value) {
  Write(FPlayers[static_cast<size_t>(entry)].Points, value, TChangeKind::Points, static_cast<uint16_t>(entry), 0);
}
void TModel::SetFinal(TFinal which, int32_t value) {
  Write(FFinals[static_cast<size_t>(which)], value, TChangeKind::Final, 0, static_cast<uint8_t>(which));
}

int TModel::AppendPlayer(TPlayer player) {
  FPlayers.push_back(std::move(player));
  return PlayerCount() - 1;
}

void TModel::ErasePlayer(int index) {
  FPlayers.erase(FPlayers.begin() + index);
  for (TRound& round : FRounds) {
    for (TTable& table : round.Tables) {
      for (int16_t& seat : table.Seat) {
        if (seat == index) seat = kNoEntry;
        else if (seat > index) --seat;
      }
    }
  }
}

void TModel::Reset() {
  FHistory = TUndoHistory{};
  FPlayers.clear();
  FFinals.fill(0);
  for (int b = 0; b < kBrackets; ++b) {
    for (int r = 0; r < kRounds; ++r) {
      TRound& round = FRounds[Idx(b, r)];
      round = TRound{};
      round.Number = r + 1;
      round.Bracket = b;
    }
  }
}

void TModel::PushSnapshot(TListKind list, bool clearRedo) {
  FHistory.Push(list);
  if (list == TListKind::Undo && clearRedo) FHistory.Clear(TListKind::Redo);
}

bool TModel::RestoreTop(TListKind from) {
  if (FHistory.Empty(from)) return false;
  FHistory.Push(from == TListKind::Undo ? TListKind::Redo : TListKind::Undo);
  TJournal journal = FHistory.BeginPop(from);
  for (auto it = journal.Changes.rbegin(); it != journal.Changes.rend(); ++it) Apply(*it, false, journal);
  FHistory.FinishPop(from);
  return true;
}

void TModel::Apply(const TChange& c, bool forward, const TJournal& journal) {
  int64_t v = forward ? c.New : c.Old;
  auto asInt = static_cast<int32_t>(v);
  switch (c.Kind) {
    case TChangeKind::TableNumber: SetTableNumber(TableOfKey(c.Where), asInt); break;
    case TChangeKind::Result: SetResult(TableOfKey(c.Where), asInt); break;
    case TChangeKind::Seat: SetSeat(TableOfKey(c.Where), c.Sub, static_cast<int16_t>(v)); break;
    case TChangeKind::StartTime: SetStartTime(TableOfKey(c.Where), std::bit_cast<double>(v)); break;
    case TChangeKind::FinishTime: SetFinishTime(TableOfKey(c.Where), std::bit_cast<double>(v)); break;
    case TChangeKind::Reminded: SetReminded(TableOfKey(c.Where), c.Sub, v != 0); break;
    case TChangeKind::TableCount: SetTableCount(c.Where / kRounds, c.Where % kRounds, asInt); break;
    case TChangeKind::HasByeTable: SetHasByeTable(c.Where / kRounds, c.Where % kRounds, v != 0); break;
    case TChangeKind::Slot: {
      TTableRef t;
      if ((v & 0xFF) != 0) {
        t = TTableRef::Of(static_cast<int>(v & 0xFF) - 1, static_cast<int>((v >> 8) & 0xFF),
                          static_cast<int>((v >> 16) & 0xFFFF));
      }
      SetSlot(c.Where, c.Sub, t, static_cast<int>((v >> 32) & 0xFF));
      break;
    }
    case TChangeKind::Name: SetName(c.Where, journal.Strings[static_cast<size_t>(v)]); break;
    case TChangeKind::Member1: SetMember1(c.Where, journal.Strings[static_cast<size_t>(v)]); break;
    case TChangeKind::Member2: SetMember2(c.Where, journal.Strings[static_cast<size_t>(v)]); break;
    case TChangeKind::BootStart: SetBootStart(c.Where, std::bit_cast<double>(v)); break;
    case TChangeKind::BootCount: SetBootCount(c.Where, asInt); break;
    case TChangeKind::BootedTooLong: SetBootedTooLong(c.Where, v != 0); break;
    case TChangeKind::Disqualified: SetDisqualified(c.Where, v != 0); break;
    case TChangeKind::Points: SetPoints(c.Where, asInt); break;
    case TChangeKind::Final: SetFinal(static_cast<TFinal>(c.Sub), asInt); break;
  }
}

}  // namespace vkr
