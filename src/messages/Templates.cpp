#include "messages/Templates.h"

#include "base/Text.h"
#include "engine/Tourney.h"
#include "lobby/PostToLobby.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

// Values that themselves hold tokens are scanned again; past this many such
// insertions in one line every further value is inserted as plain text, so a
// host name of "%h" (or two names naming each other) cannot loop forever.
constexpr int kMaxTokenBearingInsertions = 64;

std::string MessageRoundName(const TTourney& t, const MessageContext& c) {
  const TModel& m = t.Model;
  if (c.Row == 13) return "the SEMI-FINALS";
  if (c.Row == 14) return "the FINALS";
  if (t.ElimFormat == ElimDouble && c.Row == m.WinnersFinalRound() && c.TableNumber % 2 == 0) {
    return "the WINNER'S FINALS";
  }
  if (t.ElimFormat == ElimTriple) {
    int mod = c.TableNumber % 4;
    if (mod == 1 && c.Row == m.WinnersFinalRound()) return "the WINNER'S FINALS";
    if (mod == 2 && c.Row == m.OneLossFinalRound()) return "the QUARTER FINALS";
    if (mod == 3 && c.Row == m.TwoLossFinalRound()) return "the QUARTER FINALS";
  }
  return Sprintf("Round %d", c.Row + 1);
}

// A table of a decisive round, or none when the round index is out of range
// (a single elimination without any semi-final has the index -1).
const TTable* DecisiveTable(const TTourney& t, int bracket, int round, int index) {
  if (round < 0 || round >= kRounds) return nullptr;
  return &t.Model.Table(bracket, round, index);
}

std::string LoserName(const TTourney& t, const TTable* table) {
  int16_t loser = table == nullptr ? kNoEntry : table->Loser();
  return loser == kNoEntry ? std::string() : t.Model.Player(loser).Name;
}

std::string ThirdPlace(const TTourney& t) {
  const TModel& m = t.Model;
  if (t.ElimFormat == ElimSingle) {
    const TTable* first = DecisiveTable(t, Winners, m.WinnersFinalRound(), 0);
    const TTable* second = DecisiveTable(t, Winners, m.WinnersFinalRound(), 1);
    bool firstDecided = first != nullptr && first->Decided();
    bool secondDecided = second != nullptr && second->Decided();
    if (firstDecided && secondDecided) return LoserName(t, first) + " and " + LoserName(t, second);
    return LoserName(t, firstDecided ? first : second);
  }
  int round = t.ElimFormat == ElimDouble ? m.OneLossFinalRound() : m.OneLossLastRound();
  return LoserName(t, DecisiveTable(t, OneLoss, round, 0));
}

std::string GrandFinalSeat(const TTourney& t, bool winner) {
  int round = t.Model.GrandFinalRound();
  if (round < 0 || round >= kRounds) return {};
  const TTable& table = t.Model.Table(Winners, round, 0);
  int16_t entry = winner ? table.Winner() : table.Loser();
  return entry == kNoEntry ? std::string() : t.Model.Player(entry).Name;
}

// The value of token character c (upper case), or false when c is no token.
bool TokenValue(const TTourney& t, const MessageContext& ctx, char c, std::string& value) {
  TClockPort& clock = *t.Ports.Clock;
  const bool rowValid = ctx.Row >= 0 && ctx.Row <= 14;
  switch (c) {
    case 'P': value = t.CapNames ? UpperAnsi(ctx.PlayerName) : ctx.PlayerName; return true;
    case 'O': value = t.CapNames ? UpperAnsi(ctx.OpponentName) : ctx.OpponentName; return true;
    case 'T': value = std::to_string(ctx.TableNumber); return true;
    case 'R': value = MessageRoundName(t, ctx); return true;
    case 'M': value = rowValid ? std::to_string(ctx.MatchPoints[static_cast<size_t>(ctx.Row)]) : ""; return true;
    case 'F': value = std::to_string(ctx.MatchPoints[14]); return true;
    case 'D': value = rowValid ? std::to_string(ctx.TimeLimits[static_cast<size_t>(ctx.Row)]) : ""; return true;
    case 'B': value = Sprintf("%d:%.2d", ctx.BootSecondsLeft / 60, ctx.BootSecondsLeft % 60); return true;
    case 'X': value = std::to_string(ctx.MinutesLeft); return true;
    case 'N': value = FormatDateTime(":nn", clock.Now()); return true;
    case 'L': value = clock.ShortTime(clock.Now()); return true;
    case 'G': value = clock.ShortTime(clock.UtcNow()); return true;
    case 'E': value = clock.ShortTime(clock.Now() - t.ExtraClockOffsets[0]); return true;
    case 'W': value = clock.ShortTime(clock.Now() - t.ExtraClockOffsets[1]); return true;
    case '<': value = clock.ShortDate(clock.Now() - t.ExtraClockOffsets[0]); return true;
    case '>': value = clock.ShortDate(clock.Now() - t.ExtraClockOffsets[1]); return true;
    case 'S': value = ctx.StartTimeText; return true;
    case 'U': value = ctx.RulesTimeText; return true;
    case 'H': value = ctx.HostName; return true;
    case 'K': value = ctx.CoHostName; return true;
    case '?': value = CurrentFormatName(t); return true;
    case '1': value = GrandFinalSeat(t, true); return true;
    case '2': value = GrandFinalSeat(t, false); return true;
    case '3': value = ThirdPlace(t); return true;
    case 'C': value = "\r\n"; return true;
    default: return false;
  }
}

bool HoldsToken(const std::string& value, char token) {
  for (size_t i = 0; i + 1 < value.size(); ++i) {
    char next = value[i + 1];
    if (next >= 'a' && next <= 'z') next = static_cast<char>(next - 32);
    if (value[i] == '%' && next == token) return true;
  }
  return false;
}

}  // namespace

std::string CurrentFormatName(const TTourney& t) {
  int entry = t.Format.CheckedEntry;
  if (entry < 0 || entry >= static_cast<int>(t.Format.MenuEntries.size())) return {};
  return t.Format.MenuEntries[static_cast<size_t>(entry)];
}

std::string ExpandTokens(const TTourney& t, const std::string& templ, const MessageContext& context) {
  std::string text = templ;
  int tokenBearing = 0;
  size_t p = text.find('%');
  while (p != std::string::npos) {
    if (p + 1 >= text.size()) break;
    char c = text[p + 1];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    std::string value;
    if (c == '!') {
      if (p == 0) ++p;
      else text.erase(p, 2);
    } else if (TokenValue(t, context, c, value)) {
      text.replace(p, 2, value);
      bool rescans = value.find('%') != std::string::npos;
      if (rescans && (HoldsToken(value, c) || ++tokenBearing > kMaxTokenBearingInsertions)) p += value.size();
    } else {
      ++p;
    }
    p = text.find('%', p);
  }
  return text;
}

void Announce(TTourney& t, const std::string& templ, bool autoPost) {
  size_t start = 0;
  size_t split = templ.find("%c");
  while (split != std::string::npos && templ.size() > start) {
    PostToLobby(t, ExpandTokens(t, templ.substr(start, split - start), t.Context), autoPost);
    if (t.Lobby.FLobbyEditWnd == 0 || t.Lobby.AutoPostPreview) return;
    start = split + 2;
    split = templ.find("%c", start);
  }
  PostToLobby(t, ExpandTokens(t, templ.substr(start < templ.size() ? start : templ.size()), t.Context), autoPost);
}

}  // namespace vkr
