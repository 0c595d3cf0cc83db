// Loading: the current tournament replaced by a checked image of its file.
#include "storage/TournamentState.h"

#include <algorithm>

#include "base/Paths.h"
#include "engine/Results.h"
#include "engine/ScreenPort.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "formats/ApplyFormat.h"
#include "formats/PointsList.h"
#include "lobby/LobbyChoice.h"
#include "storage/ActionLog.h"
#include "storage/PlayerPoints.h"

namespace vkr {
namespace {

// The preset equal to all six match-points lists, or "Other...".
int PresetOfAllLists(const TTourney& t) {
  const TPointsList& points = t.Context.MatchPoints;
  const auto& sizes = t.Format.SizePointsLists;
  const bool same = std::all_of(sizes.begin(), sizes.end(), [&](const TPointsList& list) { return list == points; });
  return same ? MatchingPreset(points) : kPresetOther;
}

// Seat 1 of the grand final in double and triple elimination and of the
// one-loss deciding round in triple elimination is taken by a champion of a
// feeder bracket, whose slot for it comes after its own bracket's rounds.
bool LinkedInRound(const TTourneyImage& im, int bracket, int round, int seat) {
  if (seat == 0) return true;
  if (bracket == Winners) return !(round == im.GrandFinalRound && im.ElimFormat != ElimSingle);
  return !(bracket == OneLoss && round > im.OneLossFinalRound);
}

void RestoreRounds(TTourney& t, const TTourneyImage& im) {
  TModel& m = t.Model;
  for (int b = 0; b < kBrackets; ++b) {
    const auto& rounds = im.Brackets[static_cast<size_t>(b)];
    for (int r = 0; r < kRounds; ++r) {
      if (static_cast<size_t>(r) >= rounds.size()) {
        m.SetTableCount(b, r, 0);
        continue;
      }
      const TFileRound& round = rounds[static_cast<size_t>(r)];
      m.SetTableCount(b, r, static_cast<int32_t>(round.Tables.size()));
      m.SetHasByeTable(b, r, round.HasByeTable);
      for (size_t i = 0; i < round.Tables.size(); ++i) {
        const TFileTable& x = round.Tables[i];
        const TTableRef ref = TTableRef::Of(b, r, static_cast<int>(i));
        m.SetTableNumber(ref, x.Number);
        m.SetResult(ref, x.Result);
        m.SetStartTime(ref, x.StartTime);
        m.SetFinishTime(ref, x.FinishTime);
        for (int s = 0; s < 2; ++s) {
          const int32_t entry = x.Seat[static_cast<size_t>(s)];
          if (entry < 0) continue;
          m.SetSeat(ref, s, static_cast<int16_t>(entry));
          if (LinkedInRound(im, b, r, s)) m.SetSlot(entry, r, ref, s);
        }
      }
    }
  }
}

// The champion waiting in seat 1 of a final gets the slot after its own rounds.
void LinkFinalSeat(TModel& m, TTableRef final, int slot) {
  const int16_t entry = m.Table(final).Seat[1];
  if (entry != kNoEntry && slot >= 0 && slot < kSlots) m.SetSlot(entry, slot, final, 1);
}

void LinkFinals(TTourney& t, const TTourneyImage& im) {
  TModel& m = t.Model;
  const TTableRef grandFinal = TTableRef::Of(Winners, im.GrandFinalRound, 0);
  if (im.ElimFormat == ElimDouble) LinkFinalSeat(m, grandFinal, im.OneLossFinalRound + 1);
  if (im.ElimFormat != ElimTriple) return;
  const TTableRef deciding = TTableRef::Of(OneLoss, im.OneLossLastRound, 0);
  LinkFinalSeat(m, deciding, im.TwoLossFinalRound + 1);
  const int32_t result = m.Table(deciding).Result;
  if (result == 1) LinkFinalSeat(m, grandFinal, im.OneLossLastRound + 1);
  if (result == 2) LinkFinalSeat(m, grandFinal, im.TwoLossFinalRound + 2);
}

void SetFinalistLabels(TTourney& t) {
  const TModel& m = t.Model;
  auto label = [&](int which, int16_t entry) {
    if (entry != kNoEntry) t.View.EmailLabels[static_cast<size_t>(which)] = m.Player(entry).Name + "'s Email:";
  };
  const TTable& final = m.Table(Winners, m.GrandFinalRound(), 0);
  label(0, final.Seat[0]);
  label(1, final.Seat[1]);
  if (t.ElimFormat == ElimSingle) {
    if (m.WinnersFinalRound() < 0) return;  // no semi-final
    label(2, m.Table(Winners, m.WinnersFinalRound(), 0).Loser());
    label(3, m.Table(Winners, m.WinnersFinalRound(), 1).Loser());
  } else {
    const int deciding = t.ElimFormat == ElimDouble ? m.OneLossFinalRound() : m.OneLossLastRound();
    label(2, m.Table(OneLoss, deciding, 0).Loser());
  }
}

void SetSignupsClosed(TTourney& t, bool closed) {
  t.SignupsClosed = closed;
  t.View.SignupControlsEnabled = !closed;
  t.View.AssignByesItemEnabled = !closed;
}

}  // namespace

void ApplyTournament(TTourney& t, const TTourneyImage& im, const std::string& openedName) {
  // A fresh tournament: empty brackets, entries and undo history, sign-ups open.
  t.TeamMode = im.Version == kTeamVersion;
  ClearBrackets(t);
  t.BootedPlayers.clear();
  SetSignupsClosed(t, false);

  // The settings.
  t.View.EmailBoxes = im.EmailBoxes;
  t.StartedAt = im.StartedAt;
  t.ClosedAt = im.ClosedAt;
  SelectFormatByName(t, im.FormatName);
  SetElimFormat(t, im.ElimFormat);
  t.Context.MatchPoints = im.MatchPoints;
  t.Format.SizePointsLists = im.SizePointsLists;
  t.Format.CheckedPreset = PresetOfAllLists(t);
  SetHostDetails(t, im.Host);
  t.Format.BootTime = im.BootTime;
  t.Context.TimeLimits = im.TimeLimits;

  TModel& m = t.Model;
  for (const TFilePlayer& p : im.Players) {
    TPlayer player;
    player.Name = p.Name;
    player.Member1 = p.Member1;
    player.Member2 = p.Member2;
    player.BootStart = p.BootStart;
    player.BootCount = p.BootCount;
    player.BootedTooLong = p.BootedTooLong;
    player.Disqualified = p.Disqualified;
    m.AppendPlayer(std::move(player));
  }

  m.SetFinal(TFinal::WinnersFinal, im.WinnersFinalRound);
  m.SetFinal(TFinal::OneLossFinal, im.OneLossFinalRound);
  m.SetFinal(TFinal::TwoLossFinal, im.TwoLossFinalRound);
  m.SetFinal(TFinal::OneLossLast, im.OneLossLastRound);
  m.SetFinal(TFinal::GrandFinal, im.GrandFinalRound);
  t.Format.PlayerPoints = im.PlayerPoints;
  t.Format.HostUnscheduled = im.HostUnscheduled;
  t.Format.CoHostUnscheduled = im.CoHostUnscheduled;
  t.Started = im.Started;
  t.Format.DoublePlayerPoints = im.DoublePlayerPoints;
  if (im.SignupsClosed) SetSignupsClosed(t, true);

  RestoreRounds(t, im);
  LinkFinals(t, im);

  // Opening a backup goes on in the main file.
  t.Storage.FileName = ChangeFileExt(openedName, ".vkr");
  WriteLogLine(t, "\r\n**** Opened " + openedName + " ****\r\n");

  t.View.ShownRound[Winners] = 0;
  t.View.ShownRound[OneLoss] = 1;
  t.Ports.Screen->RebuildTabs();
  UpdatePlayerState(t);
  SetFinalistLabels(t);

  t.Lobby.LobbyName = im.LobbyName;
  t.Lobby.UntitledChoice = 0;
  t.Lobby.DisabledChecked = false;
  ReattachLobby(t);
  t.Ports.Screen->ControlsChanged();
}

}  // namespace vkr
