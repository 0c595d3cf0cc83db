#include "storage/PointsSummary.h"

#include <algorithm>
#include <numeric>

#include "base/Text.h"
#include "base/Version.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "messages/Templates.h"
#include "storage/PlayerPoints.h"
#include "storage/PointsGrid.h"
#include "storage/ReportHeader.h"
#include "storage/ReportReads.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

std::string LoserName(const TModel& m, const TTable& table) {
  return HasWinner(table) ? EntryName(m, table.Loser()) : std::string();
}

// Double elimination: the one-loss champion who lost the grand final may
// have won its first game; the host is asked. Gives that entry, or kNoEntry.
int16_t FirstMatchWinner(TTourney& t) {
  const TModel& m = t.Model;
  if (t.ElimFormat != ElimDouble) return kNoEntry;
  const TTable& oneLossFinal = CheckedTable(m, OneLoss, m.OneLossFinalRound(), 0);
  const TTable& grandFinal = CheckedTable(m, Winners, m.GrandFinalRound(), 0);
  if (!HasWinner(oneLossFinal) || t.Format.PlayerPoints.FirstMatchWin <= 0 || !HasWinner(grandFinal)) return kNoEntry;
  const int16_t champion = oneLossFinal.Winner();
  if (champion == kNoEntry || grandFinal.Loser() != champion) return kNoEntry;
  const std::string question =
      "Did \"" + EntryName(m, champion) + "\" (the winner of the loser's bracket) win the first game in the final?";
  return t.Ports.Screen->Confirm(question, nullptr) ? champion : kNoEntry;
}

void AppendHeader(const TTourney& t, std::vector<std::string>& lines) {
  const TDateTime date = TournamentDate(t);
  TClockPort& clock = *t.Ports.Clock;
  lines.push_back("Velmar's Tourney Bracket Tool Version " + ProgramVersionText());
  lines.push_back("Tournament:  " + CurrentFormatName(t));
  lines.push_back("Date:  " + FormatDateTime("mm/dd/yyyy", date));
  lines.push_back("Day:  " + FormatDateTime("dddd", date));
  lines.push_back("Scheduled Start:  " + t.Context.StartTimeText);
  lines.push_back("Actual Start:  " + clock.LongTime(t.StartedAt));
  lines.push_back("Closed:  " + clock.LongTime(t.ClosedAt));
  AppendHostLines(lines, t);
  lines.push_back(Sprintf("Number of Players:  %d", t.Model.PlayerCount()));
  lines.emplace_back();
}

void AppendThirdPlace(std::vector<std::string>& lines, const std::string& name, const std::string& email) {
  lines.push_back("3rd place:  " + name);
  lines.push_back("3rd place email:  " + email);
}

void AppendPlacings(const TTourney& t, std::vector<std::string>& lines) {
  const TModel& m = t.Model;
  const TTable& grandFinal = CheckedTable(m, Winners, m.GrandFinalRound(), 0);
  if (!HasWinner(grandFinal)) return;
  const auto& boxes = t.View.EmailBoxes;
  const size_t winnerSeat = static_cast<size_t>(grandFinal.Result - 1);
  lines.push_back("1st place:  " + EntryName(m, grandFinal.Winner()));
  lines.push_back("1st place email:  " + boxes[winnerSeat]);
  lines.push_back("2nd place:  " + EntryName(m, grandFinal.Loser()));
  lines.push_back("2nd place email:  " + boxes[1 - winnerSeat]);
  if (t.ElimFormat == ElimSingle) {
    AppendThirdPlace(lines, LoserName(m, CheckedTable(m, Winners, m.WinnersFinalRound(), 0)), boxes[2]);
    const TTable& secondSemi = CheckedTable(m, Winners, m.WinnersFinalRound(), 1);
    if (HasWinner(secondSemi) && secondSemi.Loser() != kNoEntry) {
      AppendThirdPlace(lines, EntryName(m, secondSemi.Loser()), boxes[3]);
    }
  } else {
    const int round = t.ElimFormat == ElimDouble ? m.OneLossFinalRound() : m.OneLossLastRound();
    AppendThirdPlace(lines, LoserName(m, CheckedTable(m, OneLoss, round, 0)), boxes[2]);
  }
  lines.emplace_back();
}

void AppendPointsBlock(TTourney& t, int16_t bonusEntry, std::vector<std::string>& lines) {
  const TPlayerPointsSettings& s = t.Format.PlayerPoints;
  const TFormatState& f = t.Format;
  lines.push_back("START POINTS");
  for (const TPointsGridRow& row : PointsGridRows(t)) {
    std::string points = row.Points;
    if (bonusEntry != kNoEntry && SameText(row.Name, EntryName(t.Model, bonusEntry))) {
      const int64_t bonus = int64_t{s.FirstMatchWin} * (f.DoublePlayerPoints ? 2 : 1);
      points = std::to_string(ClampPoints(t.Model.Player(bonusEntry).Points + bonus));
    }
    lines.push_back(row.Name + " " + points);
  }
  if (s.Host > 0 && !f.HostPlayerName.empty()) {
    lines.push_back(f.HostPlayerName + " " + std::to_string(f.HostUnscheduled ? s.UnscheduledHost : s.Host));
  }
  if (s.CoHost > 0 && !f.CoHostPlayerName.empty()) {
    lines.push_back(f.CoHostPlayerName + " " + std::to_string(f.CoHostUnscheduled ? s.UnscheduledCoHost : s.CoHost));
  }
  lines.push_back("STOP POINTS");
}

std::string StatisticsLine(const TModel& m, const TPlayer& p) {
  int wins = 0, losses = 0, byes = 0;
  for (int k = 0; k < kSlots && p.Tables[static_cast<size_t>(k)].IsSet(); ++k) {
    const TTable& table = m.Table(p.Tables[static_cast<size_t>(k)]);
    const int seat = p.Seats[static_cast<size_t>(k)] != 0 ? 1 : 0;
    if (table.Result == 0) continue;
    if (table.Result != seat + 1) ++losses;
    else if (table.SeatTaken(1 - seat)) ++wins;
    else ++byes;
  }
  return Sprintf("%s, %d, %d, %d, %d, %s, %s", p.Name.c_str(), wins, losses, byes, p.BootCount,
                 p.BootedTooLong ? "Y" : "N", p.Disqualified ? "Y" : "N");
}

void AppendStatistics(const TModel& m, std::vector<std::string>& lines) {
  lines.insert(
      lines.end(),
      {"", "PLAYER STATISTICS (can be imported into Excel):", "Name, Wins, Losses, Byes, Boots, Booted, DQed"});
  // Sorted by name on a list of positions: undo snapshots restore entries by
  // their position, so the entry list itself keeps its order.
  std::vector<int> order(static_cast<size_t>(m.PlayerCount()));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&m](int a, int b) { return CompareText(m.Player(a).Name, m.Player(b).Name) < 0; });
  for (int i : order) lines.push_back(StatisticsLine(m, m.Player(i)));
}

}  // namespace

bool BuildPointsSummary(TTourney& t, std::vector<std::string>& lines) {
  if (!t.Started) {
    t.Ports.Screen->Warning("Points cannot be generated until the tourney has been started");
    return false;
  }
  const int16_t bonusEntry = FirstMatchWinner(t);
  AppendHeader(t, lines);
  AppendPlacings(t, lines);
  AppendPointsBlock(t, bonusEntry, lines);
  AppendStatistics(t.Model, lines);
  return true;
}

}  // namespace vkr
