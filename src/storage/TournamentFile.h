#pragma once
// The tournament file: rewritten in full after every change, with the
// previous content kept in the ".~vkr" backup, and read back as a whole.
#include <string>

namespace vkr {

struct TTourney;

// Writes the tournament to its file name (nothing while the name is empty),
// copying the previous file to the backup first unless SkipBackupOnNextSave
// is set. A file that cannot be written is reported; the tournament stays.
void SaveTournament(TTourney& t);
// "Save as" a tournament file: the name becomes the tournament's file name.
void SaveTournamentAs(TTourney& t, const std::string& name);
// Replaces the tournament with the file's content. On failure the error has
// been shown, SkipBackupOnNextSave is set and the tournament is untouched.
bool LoadTournament(TTourney& t, const std::string& name);
// LoadTournament, offering the ".~vkr" backup when the file cannot be read.
bool OpenTournamentWithBackup(TTourney& t, const std::string& name);

}  // namespace vkr
