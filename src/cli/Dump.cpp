#include "cli/Dump.h"

#include "base/Cp1252.h"
#include "base/Text.h"
#include "engine/Tourney.h"

namespace vkr::cli {
namespace {

std::string Quote(const std::string& ansi) {
  std::string out = "\"";
  for (char c : Cp1252ToUtf8(ansi)) {
    auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      out += Sprintf("\\u%04x", u);
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Time(double value) { return Sprintf("%.9f", value); }
const char* Bool(bool b) { return b ? "true" : "false"; }

// Tables in play, and any table beyond them that holds someone.
int TablesShown(const TRound& round) {
  int shown = round.TableCount;
  for (int i = shown; i < kTablesPerRound; ++i) {
    const TTable& table = round.Tables[static_cast<size_t>(i)];
    if (table.SeatTaken(0) || table.SeatTaken(1) || table.Result != 0) shown = i + 1;
  }
  return shown;
}

void DumpEntry(std::string& out, const TPlayer& p) {
  out += "{\"name\":" + Quote(p.Name) + ",\"members\":[" + Quote(p.Member1) + "," + Quote(p.Member2) + "]";
  out += Sprintf(",\"bootCount\":%d,\"bootStart\":%s,\"bootedTooLong\":%s,\"disqualified\":%s,\"points\":%d",
                 p.BootCount, Time(p.BootStart).c_str(), Bool(p.BootedTooLong), Bool(p.Disqualified), p.Points);
  out += ",\"slots\":[";
  for (int k = 0; k < kSlots && p.Tables[static_cast<size_t>(k)].IsSet(); ++k) {
    TTableRef r = p.Tables[static_cast<size_t>(k)];
    out += Sprintf("%s[%d,%d,%d,%d]", k ? "," : "", r.Bracket, r.Round, r.Index, p.Seats[static_cast<size_t>(k)]);
  }
  out += "]}";
}

}  // namespace

std::string DumpJson(const TTourney& t) {
  const TModel& m = t.Model;
  std::string out = "{";
  out += Sprintf("\"elim\":%d,\"teams\":%s,\"started\":%s,\"closed\":%s", t.ElimFormat, Bool(t.TeamMode),
                 Bool(t.Started), Bool(t.SignupsClosed));
  out += Sprintf(",\"winnersFinal\":%d,\"oneLossFinal\":%d,\"twoLossFinal\":%d,\"oneLossLast\":%d,\"grandFinal\":%d",
                 m.WinnersFinalRound(), m.OneLossFinalRound(), m.TwoLossFinalRound(), m.OneLossLastRound(),
                 m.GrandFinalRound());
  out += ",\"entries\":[";
  for (int i = 0; i < m.PlayerCount(); ++i) {
    if (i) out += ",";
    DumpEntry(out, m.Player(i));
  }
  out += "],\"brackets\":[";
  for (int b = 0; b <= t.ElimFormat && b < kBrackets; ++b) {
    out += b ? ",[" : "[";
    for (int r = 0; r < kRounds; ++r) {
      const TRound& round = m.Round(b, r);
      out += Sprintf("%s{\"tables\":%d,\"bye\":%s,\"table\":[", r ? "," : "", round.TableCount,
                     Bool(round.HasByeTable));
      int shown = TablesShown(round);
      for (int i = 0; i < shown; ++i) {
        const TTable& x = round.Tables[static_cast<size_t>(i)];
        out += Sprintf("%s{\"number\":%d,\"result\":%d,\"seats\":[%d,%d],\"start\":%s,\"finish\":%s}", i ? "," : "",
                       x.Number, x.Result, x.Seat[0], x.Seat[1], Time(x.StartTime).c_str(),
                       Time(x.FinishTime).c_str());
      }
      out += "]}";
    }
    out += "]";
  }
  out += "]}\n";
  return out;
}

}  // namespace vkr::cli
