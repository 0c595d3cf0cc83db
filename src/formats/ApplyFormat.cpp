#include "formats/ApplyFormat.h"

#include "base/Text.h"
#include "engine/Results.h"
#include "engine/Tourney.h"
#include "formats/FormatLines.h"
#include "formats/FormatStore.h"
#include "formats/MessageFile.h"
#include "formats/PointsList.h"
#include "messages/Templates.h"
#include "storage/ActionLog.h"

namespace vkr {
namespace {

constexpr int kDefaultPreset = 2;  // "3 pt (5 pt final)"
constexpr int32_t kDefaultBootTime = 7;

const char* const kSizeKeys[kSizeLists] = {"Points8to16", "Points17to32", "Points33to64", "Points65to128",
                                           "Points129to256"};

TPointsList DefaultList(const char* key) { return TextToList(DefaultFormatValue(key)); }

void ApplyDefault(TTourney& t) {
  for (int k = 0; k < kMessageCount; ++k) t.Messages[static_cast<size_t>(k)] = DefaultFormatValue(kMessageKeys[static_cast<size_t>(k)]);
  TPlayerPointsSettings& pp = t.Format.PlayerPoints;
  pp = TPlayerPointsSettings{};
  pp.Win = DefaultList("Win points");
  pp.Bye = DefaultList("Bye points");
  pp.Lose = DefaultList("Lose points");
  t.Format.BootTime = kDefaultBootTime;
  // The built-in format times no matches.
  t.Context.TimeLimits.fill(0);
  if (!t.SignupsClosed) {
    t.Context.MatchPoints = PointsPresets[kDefaultPreset];
    t.Format.SizePointsLists.fill(PointsPresets[kDefaultPreset]);
    t.Format.CheckedPreset = kDefaultPreset;
    t.StartTables = t.Format.DefaultStartTables;
    SetElimFormat(t, ElimSingle);
  }
}

// What a stored format sets at any time: messages, player points, boot time, time limits.
void ApplyStoredSettings(TTourney& t, const TFormatValues& values) {
  for (int k = 0; k < kMessageCount; ++k) {
    const char* key = kMessageKeys[static_cast<size_t>(k)];
    t.Messages[static_cast<size_t>(k)] = values.Text(key, DefaultFormatValue(key));
  }
  TPlayerPointsSettings& pp = t.Format.PlayerPoints;
  pp.Win = values.List("Win points", DefaultList("Win points"));
  pp.Bye = values.List("Bye points", DefaultList("Bye points"));
  pp.Lose = values.List("Lose points", DefaultList("Lose points"));
  pp.FirstPlace = values.Number("1st place points", 0);
  pp.SecondPlace = values.Number("2nd place points", 0);
  pp.ThirdPlace = values.Number("3rd place points", 0);
  pp.Host = values.Number("Host points", 0);
  pp.CoHost = values.Number("Co-host points", 0);
  pp.UnscheduledHost = values.Number("Unschedule Host points", 0);
  pp.UnscheduledCoHost = values.Number("Unschedule Co-host points", 0);
  pp.WinOfWin = values.Number("WinOfWin points", 0);
  pp.FixedWinOfWin = values.Number("Fixed WinOfWin points", 0);
  pp.FirstMatchWin = values.Number("FirstMatchWin points", 0);
  t.Format.BootTime = values.Number("Boot time", kDefaultBootTime);
  t.Context.TimeLimits = values.List("Match time limits", DefaultList("Match time limits"));
}

void ApplyStoredMatchPoints(TTourney& t, const TFormatValues& values) {
  TFormatState& f = t.Format;
  const std::optional<std::string_view> bySize = values.Find(kSizeKeys[0]);
  if (!bySize) {
    t.Context.MatchPoints = values.List("Points", t.Context.MatchPoints);
    f.SizePointsLists.fill(t.Context.MatchPoints);
    // The radio group always names what is in force: a list that is no preset is "Other...".
    f.CheckedPreset = MatchingPreset(t.Context.MatchPoints);
    return;
  }
  // Even an empty "Points8to16" switches to lists by size; MatchPoints follows
  // from them when the layout is next computed.
  f.SizePointsLists[0] = TextToList(*bySize);
  for (size_t k = 1; k < kSizeLists; ++k) f.SizePointsLists[k] = values.List(kSizeKeys[k], f.SizePointsLists[k]);
  f.CheckedPreset = kPresetOther;
}

// What a stored format sets only while sign-ups are open.
void ApplyStoredSignupSettings(TTourney& t, const TFormatValues& values) {
  MessageContext& c = t.Context;
  c.HostName = values.Text("Host name", c.HostName);
  c.CoHostName = values.Text("Co-host name", c.CoHostName);
  t.Format.HostPlayerName = values.Text("Host player name", t.Format.HostPlayerName);
  t.Format.CoHostPlayerName = values.Text("Co-host player Name", t.Format.CoHostPlayerName);
  c.RulesTimeText = values.Text("Rules time", c.RulesTimeText);
  c.StartTimeText = values.Text("Start time", c.StartTimeText);
  t.StartTables = values.List("Starting tables", t.Format.DefaultStartTables);
  const std::string_view elim = values.Find("Elim").value_or("");
  SetElimFormat(t, elim == "2" ? ElimDouble : elim == "3" ? ElimTriple : ElimSingle);
  ApplyStoredMatchPoints(t, values);
}

void ApplyStored(TTourney& t, const std::string& name) {
  TMessageFile store(*t.Ports.Files, FormatStoreFileName(t));
  store.Load();
  const TFormatLines* lines = store.FindSection(name);
  // A format whose section has gone from the store applies nothing.
  if (lines == nullptr) return;
  const TFormatValues values(*lines);
  ApplyStoredSettings(t, values);
  if (!t.SignupsClosed) ApplyStoredSignupSettings(t, values);
}

}  // namespace

void ApplyFormat(TTourney& t, int entry) {
  const std::string caption = t.Format.MenuEntries[static_cast<size_t>(entry)];
  WriteLogLine(t, "    -> " + caption);
  t.Format.CheckedEntry = entry;
  if (entry == 0) ApplyDefault(t);
  else ApplyStored(t, caption);
  WriteLogLine(t, "    -> Starting tables are: " + ListToText(t.StartTables));
  for (size_t k = 0; k < kSizeLists; ++k) {
    WriteLogLine(t, std::string("    -> ") + kSizeKeys[k] + " = " + ListToText(t.Format.SizePointsLists[k]));
  }
  t.View.Caption = "Velmar ZUR Tourney Bracket - " + CurrentFormatName(t);
}

void SelectFormatByName(TTourney& t, const std::string& name) {
  int found = 0;
  for (size_t i = 0; i < t.Format.MenuEntries.size(); ++i) {
    if (SameText(t.Format.MenuEntries[i], name)) {
      found = static_cast<int>(i);
      break;
    }
  }
  ApplyFormat(t, found);
}

void FormatClick(TTourney& t, int entry) {
  WriteLogLine(t, "Menu: Format selection");
  ApplyFormat(t, entry);
}

}  // namespace vkr
