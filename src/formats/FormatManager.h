#pragma once
// The format manager's list: "Default" first, then the stored formats, with
// adding, editing, copying, deleting and exporting, written back on OK.
#include <string>
#include <vector>

#include "formats/FormatStore.h"

namespace vkr {

class TFileSystemPort;
struct TTourney;

struct TFormatManagerState {
  std::vector<TFormat> Entries;
  std::string CurrentName;  // empty when the current format was deleted
};

struct TManagerButtons {
  bool Edit = false, Delete = false, Copy = false, Export = false;
};

// "Default" with the built-in lines, then every stored format (a stored
// "Default" is not listed) in file order.
TFormatManagerState LoadFormatManager(TTourney& t, const std::string& currentName);
// selected: entry indexes, in any order.
TManagerButtons ManagerButtons(const TFormatManagerState& m, const std::vector<int>& selected);

void AddFormat(TFormatManagerState& m, TFormat format);
// The entry takes the edited name and lines; the current name follows it.
void ReplaceFormat(TFormatManagerState& m, int index, TFormat edited);
// Appends "Copy of NAME" (or "Copy of NAME 1", 2, ... while taken); gives its index.
int CopyFormat(TFormatManagerState& m, int index);
void DeleteFormats(TFormatManagerState& m, const std::vector<int>& selected);

// The selected entries as an export file holds them.
std::string ExportText(const TFormatManagerState& m, const std::vector<int>& selected);
// Writes text into path, after its old content when append is set; false
// when the file cannot be read or written.
bool WriteExport(TFileSystemPort& files, const std::string& path, const std::string& text, bool append);

// OK: the store is rewritten from the list ("Default" is not stored).
bool SaveFormatManager(TTourney& t, const TFormatManagerState& m);

}  // namespace vkr
