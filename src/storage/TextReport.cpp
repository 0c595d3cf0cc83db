#include "storage/TextReport.h"

#include "base/Text.h"
#include "base/Version.h"
#include "engine/Tourney.h"
#include "messages/Templates.h"
#include "storage/ReportHeader.h"
#include "storage/ReportReads.h"

namespace vkr {
namespace {

const char* Mark(const TTable& table, int seat) { return table.Result == seat + 1 ? "W" : "L"; }

void AppendTable(std::vector<std::string>& lines, const TModel& m, const TTable& table) {
  if (!HasWinner(table)) return;
  const std::string first = EntryName(m, table.Seat[0]);
  if (!table.SeatTaken(1)) {
    lines.push_back(Sprintf("Table %3d: %15s - B", table.Number, first.c_str()));
  } else {
    lines.push_back(Sprintf("Table %3d: %15s - %s", table.Number, first.c_str(), Mark(table, 0)));
    lines.push_back(Sprintf("           %15s - %s", EntryName(m, table.Seat[1]).c_str(), Mark(table, 1)));
  }
  lines.emplace_back();
}

void AppendRound(std::vector<std::string>& lines, const TModel& m, int bracket, int round, const std::string& title,
                 const char* rule) {
  lines.insert(lines.end(), {title, rule});
  const int count = TablesInPlay(m, bracket, round);
  for (int i = 0; i < count; ++i) AppendTable(lines, m, CheckedTable(m, bracket, round, i));
}

std::string RoundTitle(int round) { return Sprintf("Round %d", round + 1); }
constexpr const char* kRoundRule = "-------";

void AppendWinnersBracket(std::vector<std::string>& lines, const TTourney& t) {
  const TModel& m = t.Model;
  for (int r = 0; r < m.GrandFinalRound(); ++r) {
    if (r != m.WinnersFinalRound()) AppendRound(lines, m, Winners, r, RoundTitle(r), kRoundRule);
    else if (t.ElimFormat == ElimSingle) AppendRound(lines, m, Winners, r, "Semi-Final", "----------");
    else AppendRound(lines, m, Winners, r, "Winners-Final", "-------------");
  }
  const TTable& grandFinal = CheckedTable(m, Winners, m.GrandFinalRound(), 0);
  if (!HasWinner(grandFinal)) return;
  const auto& boxes = t.View.EmailBoxes;
  lines.insert(lines.end(), {"Final", "-----"});
  lines.push_back(Sprintf("Table %3d: %15s - %s   Email: %s", grandFinal.Number,
                          EntryName(m, grandFinal.Seat[0]).c_str(), Mark(grandFinal, 0), boxes[0].c_str()));
  lines.push_back(Sprintf("           %15s - %s   Email: %s", EntryName(m, grandFinal.Seat[1]).c_str(),
                          Mark(grandFinal, 1), boxes[1].c_str()));
  lines.emplace_back();
}

}  // namespace

void BuildTextReport(const TTourney& t, std::vector<std::string>& lines) {
  lines.push_back("VKR Version " + ProgramVersionText());
  lines.push_back("Tournament:  " + CurrentFormatName(t));
  lines.push_back("Date:  " + TournamentDateText(t));
  lines.push_back("Time:  " + t.Context.StartTimeText);
  AppendHostLines(lines, t);
  lines.push_back(Sprintf("Number of Players:  %d", t.Model.PlayerCount()));
  lines.emplace_back();
  if (t.ElimFormat != ElimSingle) lines.insert(lines.end(), {"Winner's Bracket", "----------------", ""});
  AppendWinnersBracket(lines, t);
  if (t.ElimFormat == ElimSingle) return;
  lines.insert(lines.end(), {"", "One-Loss Bracket", "----------------", ""});
  const TModel& m = t.Model;
  for (int r = 1; r <= m.OneLossFinalRound(); ++r) {
    if (r == m.OneLossFinalRound()) AppendRound(lines, m, OneLoss, r, "Semi-Final", "----------");
    else AppendRound(lines, m, OneLoss, r, RoundTitle(r), kRoundRule);
  }
}

}  // namespace vkr
