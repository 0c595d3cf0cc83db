#pragma once
// The format entries of the Format menu, kept as data.
#include <string>

namespace vkr {

struct TTourney;

// "Default", then every stored format in file order (a stored "Default" is
// not listed); then applies the entry named nameToSelect, or "Default".
void RebuildFormatMenu(TTourney& t, const std::string& nameToSelect);

}  // namespace vkr
