#include "formats/FormatEditing.h"

#include "base/Text.h"
#include "engine/Tourney.h"
#include "formats/FormatStore.h"
#include "formats/PointsList.h"
#include "formats/SettingLimits.h"
#include "formats/SizePoints.h"
#include "formats/TimeSettings.h"
#include "messages/Templates.h"

namespace vkr {
namespace {

constexpr int32_t kDefaultBootTime = 7;
const char* const kNoAutoPost = "%!";

// The key of a line, or nothing when it has no "=".
std::optional<std::string_view> KeyOf(std::string_view line) {
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return line.substr(0, eq);
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

const char* ElimText(int elim) {
  switch (elim) {
    case ElimDouble: return "2";
    case ElimTriple: return "3";
    case kArrangementRoundRobin: return "R";
    default: return "1";
  }
}

TPointsList DefaultList(const char* key) { return TextToList(DefaultFormatValue(key)); }

}  // namespace

const std::array<const char*, 9> kMatchPointsItems = {
    "1 pt single elim", "2 pt single elim", "3 pt single elim", "4 pt single elim", "5 pt single elim",
    "1 pt double elim", "2 pt double elim", "1 pt triple elim", "Other..."};

void SetFormatKey(TFormatLines& lines, std::string_view key, std::string_view value) {
  bool written = value.empty();
  for (auto it = lines.begin(); it != lines.end();) {
    const std::optional<std::string_view> lineKey = KeyOf(*it);
    if (!lineKey || !SameText(*lineKey, key)) {
      ++it;
    } else if (!written) {
      *it = std::string(key) + "=" + std::string(value);
      written = true;
      ++it;
    } else {
      it = lines.erase(it);
    }
  }
  if (!written) lines.push_back(std::string(key) + "=" + std::string(value));
}

std::string FormatKeyValue(const TFormatLines& lines, std::string_view key) {
  return std::string(TFormatValues(lines).Find(key).value_or(""));
}

int MatchPointsItemOf(const TFormatLines& lines) {
  const TFormatValues values(lines);
  const int preset = MatchingPreset(TextToList(values.Find("Points").value_or("")));
  const std::string_view elim = values.Find("Elim").value_or("");
  if (preset == kPresetOther) return kMatchPointsOtherItem;
  if (elim == "1") return preset;
  if (elim == "2" && preset < 2) return 5 + preset;
  if (elim == "3" && preset == 0) return 7;
  return kMatchPointsOtherItem;
}

void ChooseMatchPointsItem(TFormatLines& lines, int item) {
  if (item < 0 || item >= kMatchPointsOtherItem) return;
  const int preset = item < 5 ? item : item == 6 ? 1 : 0;
  SetFormatKey(lines, "Points", ListToText(PointsPresets[static_cast<size_t>(preset)]));
  SetFormatKey(lines, "Elim", item < 5 ? "1" : item < 7 ? "2" : "3");
}

TMatchPointsArrangement ArrangementOfFormat(const TFormatLines& lines) {
  const TFormatValues values(lines);
  std::array<TPointsList, kSizeLists> lists;
  if (values.Find(kSizePointsKeys[0])) {
    for (size_t k = 0; k < kSizeLists; ++k) lists[k] = TextToList(values.Find(kSizePointsKeys[k]).value_or(""));
  } else {
    lists.fill(TextToList(values.Find("Points").value_or("")));
  }
  const std::string_view elim = values.Find("Elim").value_or("");
  const int type = elim == "2" ? ElimDouble : elim == "3" ? ElimTriple : elim == "R" ? kArrangementRoundRobin : ElimSingle;
  return OpenArrangement(lists, type);
}

void WriteArrangement(TFormatLines& lines, const TMatchPointsArrangement& a) {
  SetFormatKey(lines, "Points", a.SameForAll ? ListToText(a.Lists[0]) : "");
  for (size_t k = 0; k < kSizeLists; ++k) {
    SetFormatKey(lines, kSizePointsKeys[k], a.SameForAll ? "" : ListToText(a.Lists[k]));
  }
  SetFormatKey(lines, "Elim", ElimText(a.Elim));
}

TPointsList TimeLimitsOfFormat(const TFormatLines& lines) {
  const std::optional<std::string_view> value = TFormatValues(lines).Find("Match time limits");
  return value ? TextToList(*value) : StandardTimeLimits();
}

TPointsList StartTablesOfFormat(const TFormatLines& lines, const TPointsList& defaults) {
  return TFormatValues(lines).List("Starting tables", defaults);
}

TPlayerPointsSettings PlayerPointsOfFormat(const TFormatValues& values) {
  TPlayerPointsSettings pp;
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
  return pp;
}

void WritePlayerPoints(TFormatLines& lines, const TPlayerPointsSettings& pp) {
  SetFormatKey(lines, "Win points", ListToText(pp.Win));
  SetFormatKey(lines, "Bye points", ListToText(pp.Bye));
  SetFormatKey(lines, "Lose points", ListToText(pp.Lose));
  const std::pair<const char*, int32_t> numbers[] = {
      {"1st place points", pp.FirstPlace},       {"2nd place points", pp.SecondPlace},
      {"3rd place points", pp.ThirdPlace},       {"Host points", pp.Host},
      {"Co-host points", pp.CoHost},             {"Unschedule Host points", pp.UnscheduledHost},
      {"Unschedule Co-host points", pp.UnscheduledCoHost}, {"WinOfWin points", pp.WinOfWin},
      {"Fixed WinOfWin points", pp.FixedWinOfWin}, {"FirstMatchWin points", pp.FirstMatchWin}};
  for (const auto& [key, value] : numbers) SetFormatKey(lines, key, std::to_string(value));
}

int32_t BootTimeOfFormat(const TFormatLines& lines) { return TFormatValues(lines).Number("Boot time", kDefaultBootTime); }

TEditedMessage DecodeMessage(std::string_view stored) {
  TEditedMessage message;
  message.NoAutoPost = StartsWith(stored, kNoAutoPost);
  if (message.NoAutoPost) stored.remove_prefix(2);
  message.Text = ReplaceAll(std::string(stored), "%c", "\n");
  return message;
}

std::string EncodeMessage(const TEditedMessage& message) {
  const std::string lines = ReplaceAll(ReplaceAll(message.Text, "\r\n", "\n"), "\n", "%c");
  return (message.NoAutoPost ? kNoAutoPost : "") + lines;
}

std::string SampleMessage(const TTourney& t, const TFormatLines& lines, std::string_view stored) {
  const TFormatValues values(lines);
  MessageContext sample;
  sample.PlayerName = "<Player>";
  sample.OpponentName = "<Opp>";
  sample.Row = 1;
  sample.TableNumber = 50;
  sample.StartTimeText = values.Text("Start time", "");
  sample.RulesTimeText = values.Text("Rules time", "");
  sample.HostName = values.Text("Host name", "");
  sample.CoHostName = values.Text("Co-host name", "");
  sample.BootSecondsLeft = Clamped(BootTimeOfFormat(lines), kBootTimeRange) * 60;
  sample.MinutesLeft = 45;
  sample.MatchPoints = TextToList(values.Find("Points").value_or(""));
  sample.TimeLimits = TimeLimitsOfFormat(lines);
  const TEditedMessage message = DecodeMessage(stored);
  return ReplaceAll(ExpandTokens(t, EncodeMessage({message.Text, false}), sample), "\r\n", "\n");
}

std::string CheckFormatName(const std::string& name, const std::string& openedWith, const std::vector<TFormat>& others) {
  if (name.empty()) return "Please enter a name for the format";
  // The store's reader ends a section name at the first "]".
  if (name.find(']') != std::string::npos) return "A format name cannot contain the character ]";
  if (SameText(name, openedWith)) return "";
  for (const TFormat& format : others) {
    if (SameText(format.Name, name)) return "A format of that name already exists, please select another name";
  }
  return "";
}

}  // namespace vkr
