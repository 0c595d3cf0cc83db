// The tournament file in the current layout: main header, extension header,
// player records, then the stored rounds of each bracket in use.
#include "formats/PointsList.h"
#include "storage/ByteStream.h"
#include "storage/TournamentImage.h"

namespace vkr {
namespace {

constexpr size_t kListField = 64;

// ListToText, or, when that does not fit the field, the shortest text that
// TextToList reads back as the same list: rounds up to the point from which
// all of rows 0..12 repeat, then the semi-final and the final.
std::string ListFieldText(const TPointsList& list) {
  std::string text = ListToText(list);
  if (text.size() < kListField) return text;
  size_t kept = 13;
  while (kept > 1 && list[kept - 2] == list[12]) --kept;
  if (kept == 13) return text;
  std::string compact;
  for (size_t k = 0; k < kept; ++k) compact += std::to_string(list[k]) + ",";
  return compact + std::to_string(list[13]) + "," + std::to_string(list[14]);
}

void List(TByteWriter& out, const TPointsList& list) { out.Text(ListFieldText(list), kListField); }

void MainHeader(TByteWriter& out, const TTourneyImage& im) {
  out.Bytes(std::string_view(kTourneySignature, kSignatureSize));
  out.Byte(static_cast<uint8_t>(im.Version));
  out.Text(im.FormatName, 64);
  out.Text(im.Host.HostName, 20);
  out.Text(im.Host.CoHostName, 20);
  out.Text(im.Host.HostPlayerName, 20);
  out.Text(im.Host.CoHostPlayerName, 20);
  out.Text(im.Host.RulesTimeText, 16);
  out.Text(im.Host.StartTimeText, 16);
  out.Int32(im.ElimFormat);
  out.Flag(im.Started);
  out.Flag(im.SignupsClosed);
  out.Int32(static_cast<int32_t>(im.Players.size()));
  out.Int32(im.OneLossFinalRound);
  out.Int32(im.WinnersFinalRound);
  out.Int32(im.GrandFinalRound);
  out.Int32(im.BootTime);
  for (const std::string& box : im.EmailBoxes) out.Text(box, 64);
  const TPlayerPointsSettings& pp = im.PlayerPoints;
  for (const TPointsList* list : {&im.MatchPoints, &im.TimeLimits, &pp.Win, &pp.Bye, &pp.Lose}) List(out, *list);
  for (int32_t v : {pp.Host, pp.CoHost, pp.UnscheduledHost, pp.UnscheduledCoHost, pp.WinOfWin, pp.FirstMatchWin}) {
    out.Int32(v);
  }
  out.Flag(im.HostUnscheduled);
  out.Flag(im.CoHostUnscheduled);
}

void ExtHeader(TByteWriter& out, const TTourneyImage& im) {
  out.Text(im.LobbyName, 128);
  out.Int32(im.PlayerPoints.FixedWinOfWin);
  out.Int32(im.TwoLossFinalRound);
  out.Int32(im.OneLossLastRound);
  for (const TPointsList& list : im.SizePointsLists) List(out, list);
  out.Int32(im.PlayerPoints.FirstPlace);
  out.Int32(im.PlayerPoints.SecondPlace);
  out.Int32(im.PlayerPoints.ThirdPlace);
  out.Double(im.StartedAt);
  out.Double(im.ClosedAt);
  out.Flag(im.DoublePlayerPoints);
}

void Player(TByteWriter& out, const TFilePlayer& p, bool team) {
  if (team) {
    out.Text(p.Name, 32);
    out.Text(p.Member1, 16);
    out.Text(p.Member2, 16);
  } else {
    out.Text(p.Name, 16);
  }
  out.Double(p.BootStart);
  out.Int32(p.BootCount);
  out.Flag(p.BootedTooLong);
  out.Byte(p.Disqualified ? 0xFF : 0);
  out.Zeros(7);
}

void Round(TByteWriter& out, const TFileRound& round) {
  out.Int32(round.Number);
  out.Int32(static_cast<int32_t>(round.Tables.size()));
  out.Flag(round.HasByeTable);
  for (const TFileTable& table : round.Tables) {
    out.Int32(table.Number);
    out.Int32(table.Result);
    out.Int32(table.Seat[0]);
    out.Int32(table.Seat[1]);
    out.Double(table.StartTime);
    out.Double(table.FinishTime);
  }
}

}  // namespace

std::string WriteTournamentImage(const TTourneyImage& image) {
  const bool team = image.Version == kTeamVersion;
  size_t tables = 0;
  for (const auto& bracket : image.Brackets) {
    for (const TFileRound& round : bracket) tables += round.Tables.size();
  }
  std::string bytes;
  bytes.reserve(kHeaderSize + kHeaderExtSize + image.Players.size() * kTeamPlayerRecSize + 45 * kRoundHeaderSize +
                tables * kTableRecSize);
  TByteWriter out(bytes);
  MainHeader(out, image);
  ExtHeader(out, image);
  for (const TFilePlayer& p : image.Players) Player(out, p, team);
  for (const auto& bracket : image.Brackets) {
    for (const TFileRound& round : bracket) Round(out, round);
  }
  return bytes;
}

}  // namespace vkr
