#include "formats/ApplyFormat.h"

#include "base/Text.h"
#include "engine/Results.h"
#include "engine/Tourney.h"
#include "formats/PointsList.h"
#include "messages/Templates.h"
#include "storage/ActionLog.h"

namespace vkr {
namespace {

constexpr int kDefaultPreset = 2;  // "3 pt (5 pt final)"

void ApplyDefault(TTourney& t) {
  for (int k = 0; k < kMessageCount; ++k) t.Messages[static_cast<size_t>(k)] = DefaultFormatValue(kMessageKeys[static_cast<size_t>(k)]);
  TPlayerPointsSettings& pp = t.Format.PlayerPoints;
  pp = TPlayerPointsSettings{};
  pp.Win.fill(2);
  pp.Win[14] = 17;
  pp.Bye.fill(1);
  pp.Lose.fill(0);
  pp.Lose[13] = 5;
  pp.Lose[14] = 10;
  t.Format.BootTime = 7;
  t.Context.TimeLimits.fill(0);
  if (!t.SignupsClosed) {
    t.Context.MatchPoints = PointsPresets[kDefaultPreset];
    t.Format.SizePointsLists.fill(PointsPresets[kDefaultPreset]);
    t.Format.CheckedPreset = kDefaultPreset;
    t.StartTables = t.Format.DefaultStartTables;
    SetElimFormat(t, ElimSingle);
  }
}

}  // namespace

void ApplyFormat(TTourney& t, int entry) {
  WriteLogLine(t, "    -> " + t.Format.MenuEntries[static_cast<size_t>(entry)]);
  t.Format.CheckedEntry = entry;
  if (entry == 0) ApplyDefault(t);
  WriteLogLine(t, "    -> Starting tables are: " + ListToText(t.StartTables));
  static const char* const kSizeKeys[kSizeLists] = {"Points8to16", "Points17to32", "Points33to64", "Points65to128",
                                                    "Points129to256"};
  for (int k = 0; k < kSizeLists; ++k) {
    WriteLogLine(t, std::string("    -> ") + kSizeKeys[k] + " = " + ListToText(t.Format.SizePointsLists[static_cast<size_t>(k)]));
  }
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
