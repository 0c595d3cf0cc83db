// Script commands of the extra clocks: the time-zone dialog's list and its OK.
#include "base/Text.h"
#include "cli/Commands.h"
#include "cli/ScriptHost.h"
#include "timing/ZoneClocks.h"

namespace vkr::cli {
namespace {

// The dialog's zone list, furthest west first, each with its clock's preview.
void TimeZones(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 0, 0);
  for (const TZoneInfo& zone : ZoneChoices(h.T)) {
    PrintLine(h.Out, "zone: ", zone.Key + " | " + zone.Display + " |" + ZoneClockPreview(h.T, zone.Key, true));
  }
}

// timezone middle|right 12|24 KEY: one side of the dialog, then OK. "none"
// chooses no zone.
void TimeZone(TScriptHost& h, const TCommandLine& line) {
  if (line.Count() < 3) throw TScriptError("expected timezone middle|right 12|24 KEY");
  const std::string& side = line.Arg(1);
  if (side != "middle" && side != "right") throw TScriptError("expected middle or right, not '" + side + "'");
  const std::string& dial = line.Arg(2);
  if (dial != "12" && dial != "24") throw TScriptError("expected a 12 or 24 hour dial, not '" + dial + "'");
  const std::string& rest = line.Rest;
  std::string key = Trim(rest.substr(rest.find(dial, rest.find(side) + side.size()) + dial.size()));
  if (key == "none") key.clear();
  else if (!h.T.Ports.TimeZones->Zone(key)) throw TScriptError("no time zone '" + key + "'");
  auto clocks = h.T.Timing.ZoneClocks;
  const size_t which = side == "middle" ? 0 : 1;
  clocks[which].ZoneKey = key;
  clocks[which].Hour24 = dial == "24";
  ChooseZoneClocks(h.T, clocks[0].ZoneKey, clocks[0].Hour24, clocks[1].ZoneKey, clocks[1].Hour24);
}

}  // namespace

void RegisterZoneCommands(TCommandTable& table) {
  table["timezones"] = TimeZones;
  table["timezone"] = TimeZone;
}

}  // namespace vkr::cli
