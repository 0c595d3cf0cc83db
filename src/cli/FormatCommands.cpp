// Script commands of the formats: the folder for files, the Format menu, the
// match-points presets, and composing and writing the format store.
#include "base/Text.h"
#include "cli/Commands.h"
#include "cli/ScriptHost.h"
#include "formats/ApplyFormat.h"
#include "formats/FormatMenu.h"
#include "formats/FormatStore.h"
#include "formats/MatchPointsMenu.h"
#include "formats/PointsList.h"
#include "messages/Templates.h"

namespace vkr::cli {
namespace {

const std::string& RestOrThrow(const TCommandLine& line, const char* what) {
  if (line.Rest.empty()) throw TScriptError(std::string("missing ") + what);
  return line.Rest;
}

void Files(TScriptHost& h, const TCommandLine& line) {
  std::string folder = RestOrThrow(line, "folder");
  if (folder.back() != '/') folder += '/';
  h.T.FilesFolder = folder;
  RebuildFormatMenu(h.T, CurrentFormatName(h.T));
}

void Format(TScriptHost& h, const TCommandLine& line) {
  const std::string& name = RestOrThrow(line, "format name");
  const std::vector<std::string>& entries = h.T.Format.MenuEntries;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (SameText(entries[i], name)) {
      FormatClick(h.T, static_cast<int>(i));
      return;
    }
  }
  throw TScriptError("no Format-menu entry '" + name + "'");
}

void StoreFormat(TScriptHost& h, const TCommandLine& line) {
  h.FormatDraft.push_back(TFormat{RestOrThrow(line, "format name"), {}});
}

void FormatLine(TScriptHost& h, const TCommandLine& line) {
  if (h.FormatDraft.empty()) throw TScriptError("'formatline' needs a 'storeformat' first");
  h.FormatDraft.back().Lines.push_back(RestOrThrow(line, "key=value line"));
}

// As the format manager's OK: write the store, rebuild the menu on the current format.
void WriteStore(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 0, 0);
  if (!WriteFormatStore(h.T, h.FormatDraft)) throw TScriptError("cannot write " + FormatStoreFileName(h.T));
  h.FormatDraft.clear();
  RebuildFormatMenu(h.T, CurrentFormatName(h.T));
}

void ShowFormat(TScriptHost& h, const TCommandLine& line) {
  ExpectCount(line, 0, 0);
  const TTourney& t = h.T;
  std::string menu;
  for (size_t i = 0; i < t.Format.MenuEntries.size(); ++i) {
    menu += (i ? ", " : "") + std::string(static_cast<int>(i) == t.Format.CheckedEntry ? "*" : "") +
            t.Format.MenuEntries[i];
  }
  const int preset = t.Format.CheckedPreset;
  PrintLine(h.Out, "caption: ", t.View.Caption);
  PrintLine(h.Out, "formats: ", menu);
  PrintLine(h.Out, "match points: ",
            std::string(preset == kPresetOther ? "Other..." : PointsPresetCaptions[static_cast<size_t>(preset)]) +
                " / " + ListToText(t.Context.MatchPoints));
  PrintLine(h.Out, "time limits: ", ListToText(t.Context.TimeLimits));
  PrintLine(h.Out, "boot time: ", std::to_string(t.Format.BootTime));
  PrintLine(h.Out, "start tables: ", ListToText(t.StartTables));
  static const char* const kElim[3] = {"Single", "Double", "Triple"};
  PrintLine(h.Out, "elim: ", kElim[t.ElimFormat]);
}

}  // namespace

void RegisterFormatCommands(TCommandTable& table) {
  table["files"] = Files;
  table["format"] = Format;
  table["points"] = [](TScriptHost& h, const TCommandLine& line) {
    ExpectCount(line, 1, 1);
    PointsClick(h.T, ParseInt(line.Arg(1), 0, 4, "preset"));
  };
  table["storeformat"] = StoreFormat;
  table["formatline"] = FormatLine;
  table["writestore"] = WriteStore;
  table["showformat"] = ShowFormat;
}

}  // namespace vkr::cli
