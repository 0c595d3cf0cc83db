#include "engine/Status.h"

#include "base/DateTime.h"
#include "engine/Confirm.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "messages/Templates.h"
#include "timing/Boots.h"

namespace vkr {
namespace {

TMessageKey ChooseKey(TTourney& t, const TPlayer& p, int k, const TTable& table, int bracket) {
  const bool full = table.SeatTaken(0) && table.SeatTaken(1);
  if (bracket == Winners && k == t.Model.GrandFinalRound()) return full ? MsgNextAssignFinals2 : MsgNextAssignFinals;
  const TTable& previous = t.Model.Table(p.Tables[static_cast<size_t>(k - 1)]);
  bool wonPrevious = previous.Result == p.Seats[static_cast<size_t>(k - 1)] + 1;
  if (!wonPrevious) return full ? MsgNextAssignLoss2 : MsgNextAssignLoss1;
  return full ? MsgNextAssign2 : MsgNextAssign1;
}

}  // namespace

void PostPlayerStatus(TTourney& t, int entry, bool automatic) {
  const TPlayer& p = t.Model.Player(entry);
  if (!p.Tables[0].IsSet()) return;
  const int k = p.CurrentSlot();
  const TTableRef ref = p.Tables[static_cast<size_t>(k)];
  const TTable& table = t.Model.Table(ref);
  const int seat = p.Seats[static_cast<size_t>(k)];
  const int16_t other = table.Seat[static_cast<size_t>(1 - seat)];
  MessageContext& c = t.Context;
  c.PlayerName = p.Name;
  c.TableNumber = table.Number;
  c.OpponentName = other == kNoEntry ? std::string() : t.Model.Player(other).Name;
  c.Row = PointsRow(t, k, ref.Bracket);

  if (p.BootStart != 0) {
    c.BootSecondsLeft = BootSecondsLeft(t, entry);
    Announce(t, t.Messages[MsgBoot], automatic);
    return;
  }
  if (table.Result != 0) {
    Announce(t, t.Messages[MsgThankYou], automatic);
    const TModel& m = t.Model;
    bool third = (t.ElimFormat == ElimSingle && k == m.WinnersFinalRound()) ||
                 (t.ElimFormat == ElimDouble && ref.Bracket == OneLoss && k == m.OneLossFinalRound()) ||
                 (t.ElimFormat == ElimTriple && ref.Bracket == OneLoss && k == m.OneLossLastRound());
    if (third) Announce(t, t.Messages[Msg3rdPlace], automatic);
    return;
  }
  if (t.Model.IsByeTable(ref) &&
      !AskFiltered(t, CfPostOnBye,
                   "The player is currently sitting at a bye.\r\nAre you sure you want to post the player's table "
                   "without declaring the bye first?")) {
    return;
  }
  if (k > 0) {
    Announce(t, t.Messages[ChooseKey(t, p, k, table, ref.Bracket)], automatic);
    return;
  }
  if (t.TeamMode && (p.Member1.empty() || p.Member2.empty())) {
    c.PlayerName = p.Member1.empty() ? p.Member2 : p.Member1;
    Announce(t, t.Messages[MsgSignupNoPartner], automatic);
    return;
  }
  Announce(t, t.Messages[MsgSignup], automatic);
}

}  // namespace vkr
