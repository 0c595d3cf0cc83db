#include "messages/MacroSet.h"

#include <algorithm>
#include <unordered_map>

#include "base/Paths.h"
#include "base/Text.h"
#include "formats/MessageFile.h"
#include "messages/MacroSections.h"
#include "messages/MacroText.h"
#include "storage/FileSystemPort.h"

namespace vkr {
namespace {

// The value of the first name=value line whose name matches (case ignored).
bool FindValue(const std::vector<std::string>& lines, const std::string& name, std::string& value) {
  for (const std::string& line : lines) {
    if (SameText(KeyOfLine(line), name)) {
      value = ValueOfLine(line);
      return true;
    }
  }
  return false;
}

void EraseName(std::vector<std::string>& lines, const std::string& name) {
  std::erase_if(lines, [&](const std::string& line) { return SameText(KeyOfLine(line), name); });
}

}  // namespace

void TMacroSet::Load(TFileSystemPort& files, const std::string& fileName) {
  TMessageFile file(files, fileName);
  file.Load();
  Macros.clear();
  for (int i = 0; i < file.SectionCount(); ++i) {
    if (!IsMacroSection(file.SectionName(i))) continue;
    Macros.push_back(TMacro{file.SectionName(i), MacroLinesOfSection(file.SectionLines(i))});
  }
  Toolbar.clear();
  for (const TToolbarEntry& entry : ReadToolbarSection(file)) Toolbar.push_back(entry.Macro + "=" + entry.Caption);
  const std::vector<std::string>* hotKeys = file.FindSection(kHotKeysSection);
  HotKeys = hotKeys != nullptr ? *hotKeys : std::vector<std::string>{};
}

bool TMacroSet::Save(TFileSystemPort& files, const std::string& fileName) {
  std::unordered_map<std::string, size_t> position;
  for (size_t i = 0; i < Macros.size(); ++i) position.emplace(UpperAnsi(Macros[i].Name), i);
  std::vector<std::pair<size_t, std::string>> kept;
  for (std::string& line : Toolbar) {
    auto it = position.find(UpperAnsi(KeyOfLine(line)));
    if (it != position.end()) kept.emplace_back(it->second, std::move(line));
  }
  std::stable_sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  Toolbar.clear();
  for (auto& entry : kept) Toolbar.push_back(std::move(entry.second));
  // A file saved for the first time has nothing to keep.
  files.CopyFile(fileName, ChangeFileExt(fileName, ".~vkm"));
  TMessageFile file(files, fileName);
  file.AddSection(kToolbarSection, Toolbar);
  file.AddSection(kHotKeysSection, HotKeys);
  for (const TMacro& macro : Macros) file.AddSection(macro.Name, SectionLinesOfMacro(macro.Lines));
  return file.Save();
}

int TMacroSet::IndexOf(const std::string& name) const {
  for (size_t i = 0; i < Macros.size(); ++i) {
    if (SameText(Macros[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}

bool TMacroSet::ToolbarCaption(const std::string& name, std::string& caption) const {
  return FindValue(Toolbar, name, caption);
}

std::string TMacroSet::HotKey(const std::string& name) const {
  std::string text;
  FindValue(HotKeys, name, text);
  return text;
}

TMacroEdit TMacroSet::EditOf(int index) const {
  const TMacro& macro = Macros[static_cast<size_t>(index)];
  TMacroEdit edit{macro.Name, macro.Lines, HotKey(macro.Name), false, {}};
  edit.ShowInToolbar = ToolbarCaption(macro.Name, edit.Caption);
  return edit;
}

void TMacroSet::RemoveEntries(const std::string& name) {
  EraseName(Toolbar, name);
  EraseName(HotKeys, name);
}

void TMacroSet::AddEntries(const TMacroEdit& edit) {
  // Entries left behind by a deleted macro of the same name must not come back.
  RemoveEntries(edit.Name);
  if (edit.ShowInToolbar) Toolbar.push_back(edit.Name + "=" + edit.Caption);
  if (!edit.HotKey.empty()) HotKeys.push_back(edit.Name + "=" + edit.HotKey);
}

void TMacroSet::Add(const TMacroEdit& edit) {
  Macros.push_back(TMacro{edit.Name, edit.Lines});
  AddEntries(edit);
}

void TMacroSet::Replace(int index, const TMacroEdit& edit) {
  TMacro& macro = Macros[static_cast<size_t>(index)];
  RemoveEntries(macro.Name);
  macro = TMacro{edit.Name, edit.Lines};
  AddEntries(edit);
}

void TMacroSet::Delete(int index) {
  RemoveEntries(Macros[static_cast<size_t>(index)].Name);
  Macros.erase(Macros.begin() + index);
}

void TMacroSet::Copy(int index) {
  TMacro copy = Macros[static_cast<size_t>(index)];
  const std::string name = copy.Name;
  copy.Name = "Copy of " + name;
  for (int n = 1; IndexOf(copy.Name) >= 0; ++n) copy.Name = Sprintf("Copy of %s %d", name.c_str(), n);
  Macros.push_back(std::move(copy));
}

void TMacroSet::Move(int from, int to) {
  const int count = static_cast<int>(Macros.size());
  if (from < 0 || from >= count || to < 0 || to >= count || from == to) return;
  auto first = Macros.begin();
  if (from < to) std::rotate(first + from, first + from + 1, first + to + 1);
  else std::rotate(first + to, first + from, first + from + 1);
}

void TMacroSet::Sort() {
  std::stable_sort(Macros.begin(), Macros.end(),
                   [](const TMacro& a, const TMacro& b) { return CompareText(a.Name, b.Name) < 0; });
}

}  // namespace vkr
