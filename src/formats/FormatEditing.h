#pragma once
// The format editor's working copy: a format's key=value lines, written key
// by key as the host edits the fields, and the settings read back from them.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "formats/FormatLines.h"
#include "formats/FormatState.h"
#include "formats/FormatStore.h"
#include "formats/MatchPointsArrangement.h"

namespace vkr {

struct TTourney;

// Replaces the value of the first line with key (case ignored) and drops
// later ones; an empty value removes every line of the key.
void SetFormatKey(TFormatLines& lines, std::string_view key, std::string_view value);
// The value of key, empty when the key is missing.
std::string FormatKeyValue(const TFormatLines& lines, std::string_view key);

// "Match points:" items: five single-elimination presets, two double, one
// triple, then "Other...".
extern const std::array<const char*, 9> kMatchPointsItems;
constexpr int kMatchPointsOtherItem = 8;
int MatchPointsItemOf(const TFormatLines& lines);
// Items 0..7 write "Points" and "Elim"; "Other..." goes through the arrangement.
void ChooseMatchPointsItem(TFormatLines& lines, int item);
// The lists of "Points", or of the five size keys when "Points8to16" exists,
// and the type of "Elim" ("R" is round robin).
TMatchPointsArrangement ArrangementOfFormat(const TFormatLines& lines);
// Same for all sizes: "Points" alone; else the five size keys alone.
void WriteArrangement(TFormatLines& lines, const TMatchPointsArrangement& a);

// "Match time limits", or 45 per round and 60 for the final when missing.
TPointsList TimeLimitsOfFormat(const TFormatLines& lines);
// "Starting tables", or defaults when missing or empty.
TPointsList StartTablesOfFormat(const TFormatLines& lines, const TPointsList& defaults);
// The thirteen player-points keys; the lists of "Default" and 0 when missing.
TPlayerPointsSettings PlayerPointsOfFormat(const TFormatValues& values);
void WritePlayerPoints(TFormatLines& lines, const TPlayerPointsSettings& settings);
// "Boot time" as the editor shows it: 7 when missing or not a number.
int32_t BootTimeOfFormat(const TFormatLines& lines);

// A message as the editor shows it: "%c" as line breaks, a leading "%!" as
// the "Don't AutoPost this message" box.
struct TEditedMessage {
  std::string Text;  // lines separated by '\n'
  bool NoAutoPost = false;
};
TEditedMessage DecodeMessage(std::string_view stored);
std::string EncodeMessage(const TEditedMessage& message);
// The sample line of the editor: the message expanded for "<Player>" against
// "<Opp>" at table 50 in round 2, with the format's hosts, times and lists.
std::string SampleMessage(const TTourney& t, const TFormatLines& lines, std::string_view stored);

// OK of the editor: the warning to show, or empty when the name may be used.
// others are the manager's entries, "Default" among them.
std::string CheckFormatName(const std::string& name, const std::string& openedWith,
                            const std::vector<TFormat>& others);

}  // namespace vkr
