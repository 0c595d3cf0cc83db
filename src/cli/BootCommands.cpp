// Script commands of boots: the boot button of a seat, its pop-up menu, and
// the "Active Boots" list.
#include "base/Text.h"
#include "cli/Commands.h"
#include "cli/ScriptHost.h"
#include "timing/BootMenu.h"
#include "timing/Boots.h"

namespace vkr::cli {
namespace {

// A seat with somebody in it, from B R T S at argument `first`.
TWinButton OccupiedSeat(const TTourney& t, const TCommandLine& line, size_t first) {
  ExpectCount(line, first + 3, first + 3);
  const TWinButton b = ParseTableArgs(t, line, first, true);
  if (!t.Model.Table(b.Bracket, b.Round, b.TableIndex).SeatTaken(b.Seat)) {
    throw TScriptError(Sprintf("nobody sits in seat %d of table %s %d %d", b.Seat, line.Arg(first).c_str(), b.Round + 1,
                               b.TableIndex + 1));
  }
  return b;
}

TTableRef RefOf(const TWinButton& b) { return TTableRef::Of(b.Bracket, b.Round, b.TableIndex); }

void Boot(TScriptHost& h, const TCommandLine& line) {
  const TWinButton b = OccupiedSeat(h.T, line, 1);
  BootButtonClick(h.T, RefOf(b), b.Seat);
}

struct TBootMenuItem {
  const char* Word;
  const char* Caption;
  bool TBootMenuState::*Enabled;
  bool (*Click)(TTourney&, TTableRef, int);
};

constexpr TBootMenuItem kBootMenu[] = {
    {"clear", "Clear boot count", &TBootMenuState::ClearBootCount, ClearBootCountItemClick},
    {"cancel-timing", "Silently cancel timing", &TBootMenuState::SilentCancelBootTiming,
     SilentCancelBootTimingItemClick},
    {"cancel-booted", "Cancel booted state", &TBootMenuState::CancelBootedState, CancelBootedStateItemClick},
    {"increment", "Increment boot count", &TBootMenuState::IncrementBootCount, IncrementBootCountItemClick},
    {"decrement", "Decrement boot count", &TBootMenuState::DecrementBootCount, DecrementBootCountItemClick},
};

// bootmenu ITEM B R T S: one entry of a boot button's pop-up menu.
void BootMenu(TScriptHost& h, const TCommandLine& line) {
  const std::string& word = line.Arg(1);
  for (const TBootMenuItem& item : kBootMenu) {
    if (word != item.Word) continue;
    const TWinButton b = OccupiedSeat(h.T, line, 2);
    if (!(BootMenuPopup(h.T, RefOf(b), b.Seat).*item.Enabled)) {
      throw TScriptError(std::string("\"") + item.Caption + "\" is greyed for this seat");
    }
    item.Click(h.T, RefOf(b), b.Seat);
    return;
  }
  throw TScriptError("expected bootmenu clear, cancel-timing, cancel-booted, increment or decrement");
}

// The "Active Boots" list as the last tick left it, then every boot count.
void Boots(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 0, 0);
  const TTourney& t = h.T;
  if (t.Timing.ActiveBoots.empty()) PrintLine(h.Out, "active boots: ", "none");
  for (const TActiveBootLine& boot : t.Timing.ActiveBoots) {
    PrintLine(h.Out,
              "active boot: ", Sprintf("%s %s table %d", boot.Name.c_str(), boot.Time.c_str(), boot.TableNumber));
  }
  for (const TPlayer& p : t.Model.Players()) {
    if (p.BootCount == 0 && !p.BootedTooLong && p.BootStart == 0) continue;
    PrintLine(h.Out, "boot count: ",
              Sprintf("%s %d%s%s", p.Name.c_str(), p.BootCount, p.BootStart > 0 ? " booted" : "",
                      p.BootedTooLong ? " booted too long" : ""));
  }
}

}  // namespace

void RegisterBootCommands(TCommandTable& table) {
  table["boot"] = Boot;
  table["bootmenu"] = BootMenu;
  table["boots"] = Boots;
}

}  // namespace vkr::cli
