// Versions 3 to 6: a packed header with lists of 11 values, and rounds of
// fixed 64-table blocks, converted on reading into the current image.
#include <array>

#include "engine/Model.h"
#include "storage/TournamentRecords.h"

namespace vkr {
namespace {

constexpr int kLegacyRounds = 11;
constexpr int kLegacyBlockTables = 64;
constexpr int kLegacyMaxPlayers = 128;
constexpr int32_t kDefaultBootTime = 7;

using TLegacyList = std::array<int32_t, 11>;

TLegacyList ReadLegacyList(TByteReader& in) {
  TLegacyList values{};
  for (int32_t& v : values) v = in.Int32();
  return values;
}

// Values 0..8 to rows 0..8, value 8 again to row 9, values 9 and 10 to rows
// 10 and 11; rows 12..14 get nothing from the file and stay 0.
TPointsList ConvertList(const TLegacyList& values) {
  TPointsList list{};
  for (size_t k = 0; k <= 8; ++k) list[k] = values[k];
  list[9] = values[8];
  list[10] = values[9];
  list[11] = values[10];
  return list;
}

}  // namespace

void ReadLegacyTournament(TByteReader& in, int version, const TPlayerPointsSettings& current, TTourneyImage& im) {
  ReadHeaderTexts(in, 65, im);
  const TLegacyList points = ReadLegacyList(in);
  for (int32_t v : points) AbortUnless(v >= 1 && v <= 200);
  im.MatchPoints = ConvertList(points);
  im.SizePointsLists.fill(im.MatchPoints);
  im.ElimFormat = in.Int32() != ElimSingle ? ElimDouble : ElimSingle;
  im.Started = in.Flag();
  im.SignupsClosed = in.Flag();
  const int32_t playerCount = in.Int32();
  AbortUnless(playerCount >= 0 && playerCount <= kLegacyMaxPlayers);
  im.OneLossFinalRound = in.Int32();
  im.WinnersFinalRound = in.Int32();
  im.GrandFinalRound = in.Int32();
  im.EmailBoxes[0] = in.Text(64);
  im.EmailBoxes[1] = in.Text(64);

  im.BootTime = kDefaultBootTime;
  if (version >= 5) {
    im.EmailBoxes[2] = in.Text(64);
    im.EmailBoxes[3] = in.Text(64);
    im.BootTime = in.Int32();
    im.TimeLimits = ConvertList(ReadLegacyList(in));
  }
  // The player points an old file lacks are the program's current ones; the
  // values of the extension header did not exist and are 0.
  TPlayerPointsSettings& pp = im.PlayerPoints;
  pp = current;
  pp.FixedWinOfWin = pp.FirstPlace = pp.SecondPlace = pp.ThirdPlace = 0;
  if (version == 6) {
    pp.Win = ConvertList(ReadLegacyList(in));
    pp.Bye = ConvertList(ReadLegacyList(in));
    pp.Lose = ConvertList(ReadLegacyList(in));
    pp.Host = pp.UnscheduledHost = in.Int32();
    pp.CoHost = pp.UnscheduledCoHost = in.Int32();
    pp.WinOfWin = in.Int32();
    pp.FirstMatchWin = in.Int32();
  }
  CheckRoundIndexes(im);
  ReadPlayers(in, playerCount, version == 3 ? kOldestPlayerRecSize : kPlayerRecSize, im);
  ReadBracket(in, Winners, kLegacyRounds - 1, kLegacyBlockTables, im);
  if (im.ElimFormat != ElimSingle) ReadBracket(in, OneLoss, kLegacyRounds - 1, kLegacyBlockTables, im);
}

}  // namespace vkr
