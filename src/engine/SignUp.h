#pragma once
// Sign-up and seating in the first round, closing sign-ups, and the editing
// of names at a seat.
#include <string>

namespace vkr {

struct TTourney;

// Keeps 0-9, A-Z, a-z and '_' and cuts to 15 characters.
std::string CleanPlayerName(const std::string& text);

// Gives the index of the entry created or completed, or -1.
int AddPlayer(TTourney& t, const std::string& text, int tableIndex, bool noAnnounce, bool hasPartner, int seat);
// The Add button and Enter in the add-player box.
void AddButtonClick(TTourney& t, const std::string& text);

struct TByeCounts {
  int PlayersInRound = 0, TotalSeats = 0, TablesEmpty = 0, ByesToGo = 0;
};
bool Get2ndRoundByeStatus(TTourney& t, TByeCounts* counts);

// The Close command (and the automatic closing from result entry).
void CloseSignups(TTourney& t);
// The menu command that only announces the closing.
void AnnounceClosed(TTourney& t);

// Erases an entry from the sign-ups: it leaves the list (the undo history
// must be empty) and every list that refers to it.
void EraseEntry(TTourney& t, int entry);

// Enter and Escape in the name editor over a seat of a bracket view.
void SeatNameEnter(TTourney& t, int bracket, int round, int tableIndex, int seat, const std::string& text);
std::string SeatNameEscape(TTourney& t, int bracket, int round, int tableIndex, int seat);

// OK in the team properties dialog on a seat (team mode).
void TeamPropertiesOk(TTourney& t, int bracket, int round, int tableIndex, int seat, const std::string& teamName,
                      const std::string& first, const std::string& second);

}  // namespace vkr
