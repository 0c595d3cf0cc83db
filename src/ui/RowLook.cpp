#include "ui/RowLook.h"

#include "base/Text.h"
#include "engine/Corrections.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "timing/BootTick.h"

namespace vkr {
namespace {

// Whether the entry won a table whose other seat was empty, in its filled slots.
bool HadBye(const TModel& m, const TPlayer& p) {
  for (int k = 0; k < kSlots && p.Tables[static_cast<size_t>(k)].IsSet(); ++k) {
    const TTable& table = m.Table(p.Tables[static_cast<size_t>(k)]);
    const int seat = p.Seats[static_cast<size_t>(k)];
    if (table.Result - 1 == seat && !table.SeatTaken(1 - seat)) return true;
  }
  return false;
}

bool FindMatches(const TTourney& t, int bracket, const std::string& name) {
  const std::string& find = t.View.FindHighlight;
  if (find.empty()) return false;
  // Before sign-ups close the winners view marks only the name typed in full.
  if (!t.SignupsClosed && bracket == Winners) return SameText(find, name);
  return UpperAnsi(name).find(find) != std::string::npos;
}

// The slot in which the entry sits at this table; -1 when none.
int SlotAt(const TPlayer& p, TTableRef ref) {
  for (int k = 0; k < kSlots; ++k) {
    if (p.Tables[static_cast<size_t>(k)] == ref) return k;
  }
  return -1;
}

void LookOfEntry(const TTourney& t, TTableRef ref, const TTable& table, int entry, TDateTime now, TSeatLook& seat) {
  const TModel& m = t.Model;
  const TPlayer& p = m.Player(entry);
  seat.Taken = true;
  seat.Name = p.Name;
  if (t.TeamMode) seat.Hint = p.Member1 + " / " + p.Member2;
  if (FindMatches(t, ref.Bracket, p.Name)) {
    seat.Colour = table.Result != 0 ? TBoxColour::FoundDecided : TBoxColour::Found;
  } else if (p.Disqualified) {
    seat.Colour = TBoxColour::Disqualified;
  } else if (p.BootedTooLong) {
    seat.Colour = TBoxColour::BootedTooLong;
  } else if (table.Result == 0 && HadBye(m, p)) {
    seat.Colour = TBoxColour::HadBye;
  }
  const int slot = SlotAt(p, ref);
  if (slot >= 0 && slot + 1 < kSlots && ref.Round < m.GrandFinalRound()) {
    const TTableRef next = p.Tables[static_cast<size_t>(slot + 1)];
    if (next.IsSet()) seat.Next = std::to_string(m.Table(next).Number);
  }
  if (slot > 0 && ref.Round > 0) {
    const TTableRef previous = p.Tables[static_cast<size_t>(slot - 1)];
    if (previous.IsSet()) seat.NextHint = Sprintf("Came from %d", m.Table(previous).Number);
  }
  const TBootButtonFace face = BootButtonFace(t, entry, now);
  seat.Boots = face.Caption;
  seat.BootImage = face.ShowImage;
}

}  // namespace

TRowLook RowLook(const TTourney& t, int bracket, int round, int tableIndex, TDateTime now) {
  const TModel& m = t.Model;
  const TRound& r = m.Round(bracket, round);
  const TTableRef ref = TTableRef::Of(bracket, round, tableIndex);
  const TTable& table = r.Tables[static_cast<size_t>(tableIndex)];
  TRowLook look;
  look.Number = table.Number;
  look.VoidNumber = IsVoidTable(t, table.Number);
  if (table.Result != 0 && t.Options.HideCompletedMatches) {
    look.Hidden = true;
    return look;
  }
  for (int s = 0; s < 2; ++s) {
    TSeatLook& seat = look.Seats[static_cast<size_t>(s)];
    // No opponent ever sits at the second seat of a round's bye table.
    seat.Usable = !(s == 1 && r.HasByeTable && tableIndex == r.TableCount - 1);
    seat.Colour = !seat.Usable ? TBoxColour::Unusable : table.Result != 0 ? TBoxColour::Decided : TBoxColour::Window;
    seat.WinDown = table.Result - 1 == s;
    const int16_t entry = table.Seat[static_cast<size_t>(s)];
    if (entry != kNoEntry && entry < m.PlayerCount()) LookOfEntry(t, ref, table, entry, now, seat);
  }
  return look;
}

std::vector<std::string> TabCaptions(const TTourney& t, int bracket) {
  std::vector<std::string> captions;
  const int last = LastTabRound(t, bracket);
  for (int round = FirstTabRound(bracket); round <= last && round < kRounds; ++round) {
    std::string caption = RoundLabel(t, round, bracket);
    const bool numbered = caption[0] >= '0' && caption[0] <= '9';
    if (t.Model.Round(bracket, round).HasByeTable && (numbered || (bracket == Winners && caption == "SF"))) {
      caption += " *";
    }
    captions.push_back(caption);
  }
  return captions;
}

std::string NextColumnCaption(const std::vector<std::string>& captions, int tab) {
  if (tab < 0 || tab + 1 >= static_cast<int>(captions.size())) return {};
  const std::string& next = captions[static_cast<size_t>(tab + 1)];
  return next.size() == 1 ? "R" + next : next;
}

}  // namespace vkr
