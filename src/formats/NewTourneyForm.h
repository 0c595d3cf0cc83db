#pragma once
// What the new-tournament dialog proposes and checks before the tournament
// is reset: the fields on opening, the fields a chosen format fills in, the
// proposed file name, the lobby choice and the recent-tournaments list.
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "engine/NewTourney.h"

namespace vkr {

struct TTourney;

// The dialog's state: the choice it returns, the file name field (without
// extension) and the chosen lobby (empty: "Not used").
struct TNewTourneyDraft {
  TNewTourneyChoice Choice;
  std::string FileField;
  std::string LobbyTitle;
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

// Start: the lobby is chosen (or none), then the tournament is reset.
void StartFromDraft(TTourney& t, const TNewTourneyDraft& draft);

}  // namespace vkr
