#include "formats/ApplyFormat.h"

#include "base/Text.h"
#include "engine/Results.h"
#include "engine/Tourney.h"
#include "formats/FormatEditing.h"
#include "formats/FormatLines.h"
#include "formats/FormatStore.h"
#include "formats/MessageFile.h"
#include "formats/PointsList.h"
#include "formats/SizePoints.h"
#include "messages/Templates.h"
#include "storage/ActionLog.h"

namespace vkr {
namespace {

constexpr int kDefaultPreset = 2;  // "3 pt (5 pt final)"
constexpr int32_t kDefaultBootTime = 7;

TPointsList DefaultList(const char* key) { return TextToList(DefaultFormatValue(key)); }

void ApplyDefault(TTourney& t) {
  for (int k = 0; k < kMessageCount; ++k) t.Messages[static_cast<size_t>(k)] = DefaultFormatValue(kMessageKeys[static_cast<size_t>(k)]);
  const TFormatLines noLines;
  t.Format.PlayerPoints = PlayerPointsOfFormat(TFormatValues(noLines));
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
  t.Format.PlayerPoints = PlayerPointsOfFormat(values);
  t.Format.BootTime = values.Number("Boot time", kDefaultBootTime);
  t.Context.TimeLimits = values.List("Match time limits", DefaultList("Match time limits"));
}

void ApplyStoredMatchPoints(TTourney& t, const TFormatValues& values) {
  TFormatState& f = t.Format;
  const std::optional<std::string_view> bySize = values.Find(kSizePointsKeys[0]);
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
  for (size_t k = 1; k < kSizeLists; ++k) f.SizePointsLists[k] = values.List(kSizePointsKeys[k], f.SizePointsLists[k]);
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
  LogSizePointsLists(t);
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
