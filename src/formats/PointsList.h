#pragma once
// The 15-value lists (one per points row) as comma-separated text.
#include <array>
#include <string>
#include <string_view>

#include "formats/FormatState.h"
#include "messages/MessageContext.h"

namespace vkr {

std::string ListToText(const TPointsList& values);
TPointsList TextToList(std::string_view text);

// The five match-points presets of the Format menu ("1 pt (3 pt final)" ...).
extern const std::array<TPointsList, 5> PointsPresets;
extern const std::array<const char*, 5> PointsPresetCaptions;
// The preset equal to list in all 15 values, or kPresetOther.
int MatchingPreset(const TPointsList& list);

}  // namespace vkr
