#include "lobby/RapidAssignMenu.h"

#include "engine/Confirm.h"
#include "engine/ScreenPort.h"
#include "engine/SignUp.h"
#include "engine/Tourney.h"
#include "lobby/RapidAssign.h"
#include "storage/ActionLog.h"

namespace vkr {
namespace {

// Offers to empty the list, so that only names added from now on sign up.
void ClearQuestion(TTourney& t) {
  const TRapidAssignState& ra = t.RapidAssign;
  if (!ra.Active || !ra.AddMode || ra.Names.empty()) return;
  if (!IsSilenced(t, CfClearFriends)) {
    t.ClearFriendsDefault = AskFiltered(t, CfClearFriends,
                                        "There are names in the ZoneFriends list, do you want to clear them?\r\n"
                                        "They will be restored when the tournament is closed.");
  }
  if (t.ClearFriendsDefault) ClearFriends(t);
}

void SignUp(TTourney& t, const std::string& name) { AddPlayer(t, name, -1, false, false, -1); }

}  // namespace

void RapidAssignItemClick(TTourney& t) {
  SetRapidAssignActive(t, !t.RapidAssign.Active);
  WriteLogLine(t, std::string("Menu: RapidAssign = ") + (t.RapidAssign.Active ? "On" : "Off"));
  ClearQuestion(t);
}

void RapidAssignModeAddItemClick(TTourney& t) {
  if (t.RapidAssign.AddMode) return;
  t.RapidAssign.AddMode = true;
  ClearQuestion(t);
}

void RapidAssignModeRemoveItemClick(TTourney& t) { t.RapidAssign.AddMode = false; }

void ApplyNewTourneyRapidAssign(TTourney& t, TRapidAssignChoice choice) {
  if (choice == TRapidAssignChoice::NotUsed) {
    SetRapidAssignActive(t, false);
    return;
  }
  t.RapidAssign.AddMode = choice == TRapidAssignChoice::AddedToFriends;
  if (SetRapidAssignActive(t, true)) ClearQuestion(t);
}

bool SearchUnrestoredEnabled(const TTourney& t) { return !t.RapidAssign.Active; }

void RapidAssignPlayerAdded(TTourney& t, const std::string& name) {
  WriteLogLine(t, "Event: RapidAssign player added = " + name);
  if (t.RapidAssign.AddMode) SignUp(t, name);
}

void RapidAssignPlayerRemoved(TTourney& t, const std::string& name) {
  WriteLogLine(t, "Event: RapidAssign player removed = " + name);
  if (!t.RapidAssign.AddMode) SignUp(t, name);
}

void RapidAssignNameChanged(TTourney& t) {
  WriteLogLine(t, "Event: RapidAssign deactivated");
  SetRapidAssignActive(t, false);
  NotifyFiltered(t, NfFriendsNameChanged,
                 "The ZoneFriends name has changed. Restoring the original names and deactivating Rapid-Assign.");
  t.Ports.Screen->ControlsChanged();
}

}  // namespace vkr
