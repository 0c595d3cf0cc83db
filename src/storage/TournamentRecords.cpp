#include "storage/TournamentRecords.h"

#include <algorithm>

#include "engine/Model.h"
#include "formats/PointsList.h"

namespace vkr {
namespace {

TFileTable ReadTable(TByteReader& in, size_t players) {
  TFileTable table;
  table.Number = in.Int32();
  table.Result = in.Int32();
  table.Seat[0] = in.Int32();
  table.Seat[1] = in.Int32();
  table.StartTime = in.Double();
  table.FinishTime = in.Double();
  // The engine takes the winner as Seat[Result - 1]: only these results exist.
  AbortUnless(table.Result == 0 || table.Result == 1 || table.Result == 2 || table.Result == 4);
  // Lobby table numbers are small; the seat search keeps a flag per number.
  AbortUnless(table.Number >= 0 && table.Number <= kMaxTableNumber);
  for (int32_t seat : table.Seat) AbortUnless(seat == -1 || (seat >= 0 && static_cast<size_t>(seat) < players));
  return table;
}

}  // namespace

void ReadHeaderTexts(TByteReader& in, size_t formatNameBytes, TTourneyImage& im) {
  im.FormatName = in.Text(formatNameBytes);
  im.Host.HostName = in.Text(20);
  im.Host.CoHostName = in.Text(20);
  im.Host.HostPlayerName = in.Text(20);
  im.Host.CoHostPlayerName = in.Text(20);
  im.Host.RulesTimeText = in.Text(16);
  im.Host.StartTimeText = in.Text(16);
}

TPointsList ReadListField(TByteReader& in) { return TextToList(in.Text(64)); }

void ReadPlayers(TByteReader& in, int32_t count, size_t recordSize, TTourneyImage& image) {
  AbortUnless(count >= 0);
  if (static_cast<size_t>(count) > in.Remaining() / recordSize) throw TStreamReadError();
  AbortUnless(count <= kMaxEntries);
  image.Players.resize(static_cast<size_t>(count));
  for (TFilePlayer& p : image.Players) {
    if (recordSize == kTeamPlayerRecSize) {
      p.Name = in.Text(32);
      p.Member1 = in.Text(16);
      p.Member2 = in.Text(16);
    } else {
      p.Name = in.Text(16);
    }
    p.BootStart = in.Double();
    p.BootCount = in.Int32();
    if (recordSize == kOldestPlayerRecSize) {
      in.Skip(4);
      continue;
    }
    p.BootedTooLong = in.Flag();
    p.Disqualified = in.Byte() != 0;
    in.Skip(7);
  }
}

void ReadBracket(TByteReader& in, int bracket, int lastRound, int blockTables, TTourneyImage& image) {
  const size_t players = image.Players.size();
  const int maxTables = blockTables > 0 ? std::min(blockTables, kSearchTables[bracket]) : kSearchTables[bracket];
  auto& rounds = image.Brackets[static_cast<size_t>(bracket)];
  rounds.resize(static_cast<size_t>(lastRound + 1));
  for (TFileRound& round : rounds) {
    round.Number = in.Int32();
    const int32_t count = in.Int32();
    round.HasByeTable = in.Flag();
    AbortUnless(count >= 0 && count <= maxTables);
    round.Tables.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) round.Tables.push_back(ReadTable(in, players));
    if (blockTables > count) in.Skip(static_cast<size_t>(blockTables - count) * kTableRecSize);
  }
}

void CheckRoundIndexes(const TTourneyImage& image) {
  for (int32_t index : {image.OneLossFinalRound, image.GrandFinalRound, image.TwoLossFinalRound,
                        image.OneLossLastRound}) {
    AbortUnless(index >= 0 && index < kRounds);
  }
  // A single elimination whose first-round matches were all abandoned has no semi-final: -1.
  const int lowest = image.ElimFormat == ElimSingle ? -1 : 0;
  AbortUnless(image.WinnersFinalRound >= lowest && image.WinnersFinalRound < kRounds);
}

}  // namespace vkr
