// Reading a tournament file of any version into an image, checking every
// count and index before anything of it is used.
#include "engine/Model.h"
#include "storage/TournamentRecords.h"

namespace vkr {
namespace {

void ReadMainHeader(TByteReader& in, TTourneyImage& im, int32_t& playerCount) {
  ReadHeaderTexts(in, 64, im);
  im.ElimFormat = in.Int32();
  im.Started = in.Flag();
  im.SignupsClosed = in.Flag();
  playerCount = in.Int32();
  im.OneLossFinalRound = in.Int32();
  im.WinnersFinalRound = in.Int32();
  im.GrandFinalRound = in.Int32();
  im.BootTime = in.Int32();
  for (std::string& box : im.EmailBoxes) box = in.Text(64);
  TPlayerPointsSettings& pp = im.PlayerPoints;
  for (TPointsList* list : {&im.MatchPoints, &im.TimeLimits, &pp.Win, &pp.Bye, &pp.Lose}) *list = ReadListField(in);
  for (int32_t* v : {&pp.Host, &pp.CoHost, &pp.UnscheduledHost, &pp.UnscheduledCoHost, &pp.WinOfWin,
                     &pp.FirstMatchWin}) {
    *v = in.Int32();
  }
  im.HostUnscheduled = in.Flag();
  im.CoHostUnscheduled = in.Flag();
}

// The extension header, of which version 8 holds only the first 132 bytes.
void ReadExtHeader(TByteReader& in, int version, TTourneyImage& im) {
  im.LobbyName = in.Text(128);
  im.PlayerPoints.FixedWinOfWin = in.Int32();
  if (version == 8) return;
  im.TwoLossFinalRound = in.Int32();
  im.OneLossLastRound = in.Int32();
  for (TPointsList& list : im.SizePointsLists) list = ReadListField(in);
  im.PlayerPoints.FirstPlace = in.Int32();
  im.PlayerPoints.SecondPlace = in.Int32();
  im.PlayerPoints.ThirdPlace = in.Int32();
  im.StartedAt = in.Double();
  im.ClosedAt = in.Double();
  im.DoublePlayerPoints = in.Flag();
}

void ReadCurrentLayout(TByteReader& in, int version, TTourneyImage& im) {
  int32_t playerCount = 0;
  ReadMainHeader(in, im, playerCount);
  // Versions 7 and 8 have one match-points list for every tournament size.
  im.SizePointsLists.fill(im.MatchPoints);
  if (version >= 8) ReadExtHeader(in, version, im);
  if (version == 8 && im.ElimFormat != ElimSingle) im.ElimFormat = ElimDouble;
  AbortUnless(im.ElimFormat >= ElimSingle && im.ElimFormat <= ElimTriple);
  CheckRoundIndexes(im);
  ReadPlayers(in, playerCount, version == kTeamVersion ? kTeamPlayerRecSize : kPlayerRecSize, im);
  for (int b = 0; b < kBrackets; ++b) {
    int last = LastStoredRound(im, b);
    if (last >= 0) ReadBracket(in, b, last, 0, im);
  }
}

}  // namespace

TTourneyImage ReadTournamentImage(std::string_view bytes, const TPlayerPointsSettings& current) {
  TByteReader in(bytes);
  std::string_view signature = in.Bytes(kSignatureSize + 1);
  AbortUnless(signature.substr(0, kSignatureSize) == std::string_view(kTourneySignature, kSignatureSize));
  const int version = static_cast<uint8_t>(signature[kSignatureSize]);
  AbortUnless(version >= 3 && version <= kTeamVersion);
  TTourneyImage image;
  image.Version = version;
  if (version >= 7) ReadCurrentLayout(in, version, image);
  else ReadLegacyTournament(in, version, current, image);
  return image;
}

}  // namespace vkr
