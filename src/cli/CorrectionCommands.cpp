// Script commands of the player and table menus: remove, both quit,
// reassign, disqualify, and void table numbers.
#include "base/Text.h"
#include "cli/Commands.h"
#include "cli/ScriptHost.h"
#include "engine/Corrections.h"
#include "engine/Reassign.h"
#include "engine/Results.h"

namespace vkr::cli {
namespace {

// The seat of a player-menu command, refused as the menu would disable it.
TWinButton MenuSeat(const TScriptHost& h, const TCommandLine& line, bool TPlayerMenuState::*item) {
  const TWinButton seat = ParseTableArgs(h.T, line, 1, true);
  if (!(PlayerMenuState(h.T, seat, false).*item)) {
    throw TScriptError(Sprintf("'%s' is disabled at %s", line.Words[0].c_str(), line.Rest.c_str()));
  }
  return seat;
}

template <bool (*Action)(TTourney&, const TWinButton&), bool TPlayerMenuState::*Item>
TCommand SeatCommand() {
  return [](TScriptHost& h, const TCommandLine& line) {
    ExpectCount(line, 4, 4);
    Action(h.T, MenuSeat(h, line, Item));
  };
}

std::string Items(const std::vector<std::string>& items, bool enabled, bool selected) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  if (!enabled) text += " (disabled)";
  else if (selected) text += " (selected)";
  return text;
}

// reassign B R T S [same|next TABLE]: shows the dialog, then OK with the
// choice and table, or Cancel without them.
void Reassign(TScriptHost& h, const TCommandLine& line) {
  if (line.Count() != 4 && line.Count() != 6) throw TScriptError("'reassign' takes B R T S [same|next TABLE]");
  const TWinButton seat = MenuSeat(h, line, &TPlayerMenuState::Reassign);
  bool next = false;
  int32_t table = 0;
  if (line.Count() == 6) {
    if (line.Arg(5) != "same" && line.Arg(5) != "next") throw TScriptError("expected same or next");
    next = line.Arg(5) == "next";
    table = ParseInt(line.Arg(6), -1000000, 1000000, "table");
  }
  TReassignDialog dialog;
  OpenReassign(h.T, seat, dialog);
  PrintLine(h.Out, "dialog: ", dialog.PlayerLine);
  PrintLine(h.Out, "dialog: ", dialog.OpponentLine);
  PrintLine(h.Out, "dialog next: ", Items(dialog.NextRound, dialog.NextEnabled, dialog.NextSelected));
  PrintLine(h.Out, "dialog same: ", Items(dialog.SameRound, dialog.SameEnabled, !dialog.NextSelected));
  if (line.Count() == 6) ReassignPlayer(h.T, dialog, next, table);
}

}  // namespace

void RegisterCorrectionCommands(TCommandTable& table) {
  table["remove"] = SeatCommand<RemovePlayer, &TPlayerMenuState::Remove>();
  table["bothquit"] = SeatCommand<BothQuit, &TPlayerMenuState::BothQuit>();
  table["disqualify"] = SeatCommand<DisqualifyPlayer, &TPlayerMenuState::Disqualify>();
  table["reassign"] = Reassign;
  table["voidtable"] = [](TScriptHost& h, const TCommandLine& line) {
    ExpectCount(line, 1, 1);
    int32_t number = 0;
    if (!TryParseInt(line.Arg(1), number)) throw TScriptError("expected a table number, not '" + line.Arg(1) + "'");
    ToggleVoidTable(h.T, number);
  };
}

}  // namespace vkr::cli
