#pragma once
// Importing exported format files (".vkrf") into the format store. The files
// come from anywhere and are read as hostile input.
#include <functional>
#include <string>
#include <vector>

#include "formats/FormatStore.h"

namespace vkr {

class TFileSystemPort;
struct TTourney;

struct TImportRow {
  std::string Name;
  std::string FileName;  // without folder and extension
  TFormatLines Lines;
  bool Checked = true;
};

// Every section of every file, in order; a file that cannot be read gives none.
std::vector<TImportRow> ReadImportRows(TFileSystemPort& files, const std::vector<std::string>& paths);

// False for names the store cannot keep: empty, holding "]", or "Default".
bool StorableFormatName(const std::string& name);
// "NAME (2)", "NAME (3)", ...: the first that is storable and not taken.
std::string FreeImportName(const std::string& name, const std::vector<TFormat>& stored);

enum class TImportAnswer { Rename, Overwrite, Skip, Cancel };
// Asked for a row whose name is taken: the label ("\"Fast\" already exists!")
// and, in name, the proposed name, which a Rename answer may change.
using TImportQuestion = std::function<TImportAnswer(const std::string& label, std::string& name)>;

enum class TImportResult { Merged, Cancelled, WriteFailed };
// Adds the checked rows to the store, asking about taken names, and rewrites
// it (after the ".bak" copy). Cancelled: nothing is written.
TImportResult MergeImport(TTourney& t, const std::vector<TImportRow>& rows, const TImportQuestion& ask);

}  // namespace vkr
