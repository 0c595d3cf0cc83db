#pragma once
// The record readers shared by the current and the older file layouts, and
// the checks that keep a hostile file from reaching the model.
#include <cstddef>
#include <string>

#include "storage/ByteStream.h"
#include "storage/TournamentImage.h"

namespace vkr {

// Player records of version 3: name, boot start and boot count only.
constexpr size_t kOldestPlayerRecSize = 32;

inline void AbortUnless(bool ok) {
  if (!ok) throw TLoadAborted();
}

// A points-list text field of 64 bytes.
// The format name (formatNameBytes long), the four host names and the rules
// and start times, in the order every version stores them.
void ReadHeaderTexts(TByteReader& in, size_t formatNameBytes, TTourneyImage& image);
TPointsList ReadListField(TByteReader& in);
// `count` player records of recordSize bytes (32: the oldest layout, 40, or
// 88 with team members). The count is checked against the data left before
// anything is allocated.
void ReadPlayers(TByteReader& in, int32_t count, size_t recordSize, TTourneyImage& image);
// The rounds 0..lastRound of a bracket. A round holds its table-count tables,
// or in the older layouts a fixed block of blockTables records of which the
// first table-count are used.
void ReadBracket(TByteReader& in, int bracket, int lastRound, int blockTables, TTourneyImage& image);
// The round indexes lie in 0..14 (the winners final of a single elimination
// may be -1); the elimination type must be known already.
void CheckRoundIndexes(const TTourneyImage& image);

// Versions 3 to 6; the signature has been read.
void ReadLegacyTournament(TByteReader& in, int version, const TPlayerPointsSettings& current, TTourneyImage& image);

}  // namespace vkr
