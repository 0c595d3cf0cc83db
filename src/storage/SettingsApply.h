#pragma once
// The stored settings the core itself uses: taken into the tournament at
// start-up and read back from it before every save of the settings. The
// window's placement and view values stay with the window.
namespace vkr {

struct TTourney;
struct TSettings;

void ApplySettings(TTourney& t, const TSettings& s);
void CaptureSettings(const TTourney& t, TSettings& s);

}  // namespace vkr
