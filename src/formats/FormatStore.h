#pragma once
// The format store: "Tourney Formats.ini" in the folder for files, one
// section per stored format. "Default" is built in and never stored.
#include <string>
#include <vector>

#include "formats/FormatLines.h"

namespace vkr {

struct TTourney;

struct TFormat {
  std::string Name;
  TFormatLines Lines;
};

std::string FormatStoreFileName(const TTourney& t);
// Copies the store to ".bak" (replacing an older copy), then replaces the
// store with every format except one named "Default" (case ignored), in
// order; of two formats whose names differ only in case the first is kept.
// False when the store could not be written.
bool WriteFormatStore(TTourney& t, const std::vector<TFormat>& formats);

}  // namespace vkr
