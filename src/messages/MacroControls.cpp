#include "messages/MacroControls.h"

#include <unordered_map>

#include "base/Text.h"
#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "formats/MessageFile.h"
#include "messages/HotKey.h"
#include "messages/MacroSections.h"
#include "messages/MacroText.h"
#include "storage/FileSystemPort.h"
#include "storage/Settings.h"

namespace vkr {

std::string CurrentMacroFile(const TTourney& t) {
  return t.Macros.FileName.empty() ? t.FilesFolder + "Macros.vkm" : t.Macros.FileName;
}

void SetMacroFile(TTourney& t, const std::string& fileName) {
  t.Macros.FileName = fileName;
  AddRecentFile(t.Macros.RecentFiles, fileName);
  BuildMacroControls(t);
}

bool SaveMacroFileAs(TTourney& t, const std::string& fileName) {
  if (!t.Ports.Files->CopyFile(CurrentMacroFile(t), fileName)) return false;
  t.Macros.FileName = fileName;
  AddRecentFile(t.Macros.RecentFiles, fileName);
  t.Ports.Screen->ControlsChanged();
  return true;
}

void BuildMacroControls(TTourney& t) {
  TMacroState& state = t.Macros;
  state.Entries.clear();
  state.PlayerEntries.clear();
  state.Buttons.clear();
  TMessageFile file(*t.Ports.Files, CurrentMacroFile(t));
  file.Load();
  std::unordered_map<std::string, std::string> hotKeys;
  if (const std::vector<std::string>* lines = file.FindSection(kHotKeysSection)) {
    for (const std::string& line : *lines) hotKeys.emplace(UpperAnsi(KeyOfLine(line)), ValueOfLine(line));
  }
  for (int i = 0; i < file.SectionCount(); ++i) {
    const std::string& name = file.SectionName(i);
    if (!IsMacroSection(name)) continue;
    if (IsPlayerMacro(MacroLinesOfSection(file.SectionLines(i)))) {
      state.PlayerEntries.push_back(name);
      continue;
    }
    auto hotKey = hotKeys.find(UpperAnsi(name));
    state.Entries.push_back(TMacroEntry{name, hotKey == hotKeys.end() ? std::string() : NormalizeHotKey(hotKey->second)});
  }
  for (TToolbarEntry& entry : ReadToolbarSection(file)) {
    state.Buttons.push_back(TMacroButton{std::move(entry.Caption), std::move(entry.Macro)});
  }
  t.Ports.Screen->ControlsChanged();
}

}  // namespace vkr
