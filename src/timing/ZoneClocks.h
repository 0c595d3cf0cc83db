#pragma once
// The two extra clocks of the status bar, for time zones the host picks; the
// same zones serve the %e, %w, %< and %> tokens.
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "timing/TimeZonePort.h"

namespace vkr {

struct TTourney;

// The initials of the words: "Eastern Daylight Time" gives "EDT".
std::string AbbreviateZoneName(const std::string& text);

// Reads both zones' present rules: the offsets the tokens use and the clock
// labels. A zone the system does not know gets offset 0 and no label. Run at
// every tick, so a daylight-saving change during the evening shows at once.
void LoadZoneClocks(TTourney& t);
// Status-bar panels: " Local: " and the short time, then the two extra clocks.
void UpdateStatusClocks(TTourney& t, TDateTime now);

// The zones for the selection dialog, furthest west first.
std::vector<TZoneInfo> ZoneChoices(TTourney& t);
// What a clock for that zone shows now (the dialog's preview).
std::string ZoneClockPreview(TTourney& t, const std::string& key, bool hour24);
// The dialog's OK: the two zones (empty key for none) and their dials.
void ChooseZoneClocks(TTourney& t, const std::string& middleKey, bool middle24, const std::string& rightKey,
                      bool right24);

}  // namespace vkr
