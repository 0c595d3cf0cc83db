#pragma once
// "Reassign player to different table": the dialog's content for the seat the
// player menu was opened on, and the move the host chooses in it. The window
// shows the dialog between OpenReassign and ReassignPlayer; Cancel calls neither.
#include <cstdint>
#include <string>
#include <vector>

namespace vkr {

struct TTourney;
struct TWinButton;

// The dialog's fixed texts.
inline constexpr const char* kReassignCaption = "Reassign Player to Different Table";
inline constexpr const char* kReassignQuestion = "Do you want to...";
inline constexpr const char* kReassignNextChoice =
    "Assign the win to the player and place them at a specified table for the next round,  OR";
inline constexpr const char* kReassignSameChoice =
    "Move the player from where they are now to a different table in the same round?";
inline constexpr const char* kReassignTablePrompt = "Which table do you want to place the player at?";
inline constexpr const char* kReassignTableLabel = "Table:";
inline constexpr const char* kReassignLegend = "*  denotes bye table\r\n** denotes current assignment ";

struct TReassignDialog {
  int Entry = -1;
  int Slot = 0;  // the entry's current slot
  int Bracket = 0, Round = 0, TableIndex = 0, Seat = 0;  // its current table
  std::string PlayerLine, OpponentLine;
  // Drop-down items: a table number, "%d *" for a bye table, "%d **" for the current one.
  std::vector<std::string> SameRound, NextRound;
  bool SameEnabled = true, NextEnabled = true;
  bool NextSelected = true;  // the choice selected when the dialog shows
};

// Logs the menu line and fills the dialog; false when no entry sits there.
bool OpenReassign(TTourney& t, const TWinButton& seat, TReassignDialog& dialog);
// The item a choice's list selects when shown; -1 when the list is empty.
int DefaultItem(const TReassignDialog& dialog, bool nextRound);
// OK with the choice and the number at the start of the chosen item. A
// disabled choice or a number that is not one of its items is refused with a
// warning and changes nothing. True when the entry got the win or moved.
bool ReassignPlayer(TTourney& t, const TReassignDialog& dialog, bool nextRound, int32_t table);

}  // namespace vkr
