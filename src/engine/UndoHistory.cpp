#include "engine/UndoHistory.h"

#include <utility>

namespace vkr {

size_t TJournal::Bytes() const {
  size_t bytes = sizeof(TJournal) + Changes.capacity() * sizeof(TChange) + Strings.capacity() * sizeof(std::string);
  for (const std::string& s : Strings) {
    if (s.capacity() > 15) bytes += s.capacity() + 1;
  }
  return bytes;
}

void TUndoHistory::Record(TChangeKind kind, uint16_t where, uint8_t sub, int64_t oldValue, int64_t newValue) {
  for (TList& l : FLists) {
    if (Recording(l)) l.Live.Changes.push_back(TChange{kind, sub, where, oldValue, newValue});
  }
}

void TUndoHistory::RecordString(TChangeKind kind, uint16_t where, const std::string& oldValue,
                                const std::string& newValue) {
  for (TList& l : FLists) {
    if (!Recording(l)) continue;
    auto base = static_cast<int64_t>(l.Live.Strings.size());
    l.Live.Strings.push_back(oldValue);
    l.Live.Strings.push_back(newValue);
    l.Live.Changes.push_back(TChange{kind, 0, where, base, base + 1});
  }
}

void TUndoHistory::Push(TListKind list) {
  TList& l = L(list);
  if (l.Count > 0) {
    l.Links.push_back(std::move(l.Live));
    l.Live = TJournal{};
  }
  ++l.Count;
}

void TUndoHistory::Clear(TListKind list) { L(list) = TList{}; }

TJournal TUndoHistory::BeginPop(TListKind list) {
  TList& l = L(list);
  TJournal live = std::move(l.Live);
  l.Live = TJournal{};
  l.Consuming = true;
  return live;
}

void TUndoHistory::FinishPop(TListKind list) {
  TList& l = L(list);
  l.Consuming = false;
  if (--l.Count > 0) {
    l.Live = std::move(l.Links.back());
    l.Links.pop_back();
  }
}

size_t TUndoHistory::Bytes() const {
  size_t bytes = 0;
  for (const TList& l : FLists) {
    bytes += l.Live.Bytes() + l.Links.capacity() * sizeof(TJournal);
    for (const TJournal& j : l.Links) bytes += j.Bytes() - sizeof(TJournal);
  }
  return bytes;
}

}  // namespace vkr
