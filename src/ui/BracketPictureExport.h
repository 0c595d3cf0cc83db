#pragma once
// File / "Export bracket picture...": the whole-bracket picture of the open
// tournament as an SVG picture, a self-contained HTML page or a PNG image,
// chosen by the file name's extension.
#include <QString>

namespace vkr {

struct TTourney;

// The file types offered, as a file dialog's filter list.
QString BracketPictureFilters();
// Writes the picture (replacing the file only once it is whole); on failure
// leaves any earlier file as it was and says why in *error.
bool ExportBracketPicture(const TTourney& t, const QString& fileName, QString* error);

}  // namespace vkr
