// Saving: the tournament as the file stores it.
#include <algorithm>

#include "engine/Tourney.h"
#include "messages/Templates.h"
#include "storage/TournamentState.h"

namespace vkr {
namespace {

std::vector<TFileRound> CaptureBracket(const TModel& m, int bracket, int lastRound) {
  std::vector<TFileRound> rounds;
  for (int r = 0; r <= std::min(lastRound, kRounds - 1); ++r) {
    const TRound& round = m.Round(bracket, r);
    TFileRound& out = rounds.emplace_back();
    out.Number = round.Number;
    out.HasByeTable = round.HasByeTable;
    const int count = std::clamp(round.TableCount, 0, kTablesPerRound);
    out.Tables.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
      const TTable& table = round.Tables[static_cast<size_t>(i)];
      TFileTable& x = out.Tables[static_cast<size_t>(i)];
      x.Number = table.Number;
      x.Result = table.Result;
      x.Seat = {table.Seat[0], table.Seat[1]};
      x.StartTime = table.StartTime;
      x.FinishTime = table.FinishTime;
    }
  }
  return rounds;
}

}  // namespace

TTourneyImage CaptureTournament(const TTourney& t) {
  const TModel& m = t.Model;
  TTourneyImage im;
  im.Version = t.TeamMode ? kTeamVersion : kPlayerVersion;
  im.FormatName = CurrentFormatName(t);
  im.Host = HostDetailsOf(t);
  im.ElimFormat = t.ElimFormat;
  im.Started = t.Started;
  im.SignupsClosed = t.SignupsClosed;
  im.OneLossFinalRound = m.OneLossFinalRound();
  im.WinnersFinalRound = m.WinnersFinalRound();
  im.GrandFinalRound = m.GrandFinalRound();
  im.TwoLossFinalRound = m.TwoLossFinalRound();
  im.OneLossLastRound = m.OneLossLastRound();
  im.BootTime = t.Format.BootTime;
  im.EmailBoxes = t.View.EmailBoxes;
  im.MatchPoints = t.Context.MatchPoints;
  im.TimeLimits = t.Context.TimeLimits;
  im.PlayerPoints = t.Format.PlayerPoints;
  im.HostUnscheduled = t.Format.HostUnscheduled;
  im.CoHostUnscheduled = t.Format.CoHostUnscheduled;
  im.LobbyName = t.Lobby.LobbyName;
  im.SizePointsLists = t.Format.SizePointsLists;
  im.StartedAt = t.StartedAt;
  im.ClosedAt = t.ClosedAt;
  im.DoublePlayerPoints = t.Format.DoublePlayerPoints;
  im.Players.reserve(m.Players().size());
  for (const TPlayer& p : m.Players()) {
    im.Players.push_back({p.Name, p.Member1, p.Member2, p.BootStart, p.BootCount, p.BootedTooLong, p.Disqualified});
  }
  for (int b = 0; b < kBrackets; ++b) im.Brackets[static_cast<size_t>(b)] = CaptureBracket(m, b, LastStoredRound(im, b));
  return im;
}

}  // namespace vkr
