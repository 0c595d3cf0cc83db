#pragma once
// The stored settings of the timing: the reminder switches, the winners
// view's time left, and the two extra clocks' zones and dials.
namespace vkr {

struct TTourney;
struct TSettings;

// Takes the values into the tournament and reads the zones' rules.
void ApplyTimingSettings(TTourney& t, const TSettings& s);
void CaptureTimingSettings(const TTourney& t, TSettings& s);

}  // namespace vkr
