#pragma once
// What the new-tournament dialog proposes and checks before the tournament
// is reset: the fields on opening, the fields a chosen format fills in, the
// proposed file name, the lobby choice and the recent-tournaments list.
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "engine/NewTourney.h"
#include "lobby/RapidAssignMenu.h"

namespace vkr {

struct TTourney;

// The dialog's state: the choice it returns, the file name field (without
// extension), the chosen lobby (empty: "Not used") and rapid assign.
struct TNewTourneyDraft {
  TNewTourneyChoice Choice;
  std::string FileField;
  std::string LobbyTitle;
  TRapidAssignChoice RapidAssign = TRapidAssignChoice::NotUsed;
};

extern const char* const kTourneyExistsQuestion;

// The proposed file: the folder, then format, " ddmmmyy ", start time and
// " Tournament" with the characters * . / : < > ? \ | and " removed.
std::string ProposedTourneyFile(const std::string& folder, const std::string& format, TDateTime today,
                                const std::string& startTime);
// "Default" and the stored format names, in file order.
std::vector<std::string> NewTourneyFormatNames(TTourney& t);
// The fields on opening: the tournament's options, host name and times,
// "Default", the default start tables and the proposed file name.
TNewTourneyDraft OpenNewTourney(TTourney& t);
// Choosing a format: a stored one fills the host details, the times and the
// start tables it holds; the file name is proposed again.
void ChooseNewTourneyFormat(TTourney& t, TNewTourneyDraft& draft, const std::string& formatName);
// Leaving "Start:".
void ProposeTourneyFile(TTourney& t, TNewTourneyDraft& draft);
// The tournament file of the field: ".vkr" appended unless it ends so already.
std::string TourneyFileOf(const std::string& field);

// Start: the lobby is chosen (or none), the tournament is reset, then rapid
// assign is set (it watches the new tournament's sign-ups).
void StartFromDraft(TTourney& t, const TNewTourneyDraft& draft);

}  // namespace vkr
