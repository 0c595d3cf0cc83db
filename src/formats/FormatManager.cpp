#include "formats/FormatManager.h"

#include <algorithm>

#include "base/Text.h"
#include "engine/Tourney.h"
#include "formats/MessageFile.h"
#include "messages/Templates.h"
#include "storage/FileSystemPort.h"

namespace vkr {
namespace {

bool NameTaken(const TFormatManagerState& m, const std::string& name) {
  return std::any_of(m.Entries.begin(), m.Entries.end(), [&](const TFormat& f) { return SameText(f.Name, name); });
}

bool ValidIndex(const TFormatManagerState& m, int index) {
  return index >= 0 && static_cast<size_t>(index) < m.Entries.size();
}

}  // namespace

TFormatManagerState LoadFormatManager(TTourney& t, const std::string& currentName) {
  TFormatManagerState m;
  m.CurrentName = currentName;
  m.Entries.push_back(TFormat{"Default", TFormatLines(DefaultFormatText.begin(), DefaultFormatText.end())});
  TMessageFile store(*t.Ports.Files, FormatStoreFileName(t));
  store.Load();
  for (int i = 0; i < store.SectionCount(); ++i) {
    if (!SameText(store.SectionName(i), "Default")) m.Entries.push_back(TFormat{store.SectionName(i), store.SectionLines(i)});
  }
  return m;
}

TManagerButtons ManagerButtons(const TFormatManagerState& m, const std::vector<int>& selected) {
  TManagerButtons b;
  const bool withDefault = std::any_of(selected.begin(), selected.end(), [&](int i) {
    return ValidIndex(m, i) && SameText(m.Entries[static_cast<size_t>(i)].Name, "Default");
  });
  b.Export = !selected.empty();
  b.Delete = !selected.empty() && !withDefault;
  b.Copy = selected.size() == 1;
  b.Edit = selected.size() == 1 && !withDefault;
  return b;
}

void AddFormat(TFormatManagerState& m, TFormat format) { m.Entries.push_back(std::move(format)); }

void ReplaceFormat(TFormatManagerState& m, int index, TFormat edited) {
  if (!ValidIndex(m, index)) return;
  TFormat& entry = m.Entries[static_cast<size_t>(index)];
  if (SameText(entry.Name, m.CurrentName)) m.CurrentName = edited.Name;
  entry = std::move(edited);
}

int CopyFormat(TFormatManagerState& m, int index) {
  if (!ValidIndex(m, index)) return -1;
  const TFormat& source = m.Entries[static_cast<size_t>(index)];
  std::string name = "Copy of " + source.Name;
  for (int n = 1; NameTaken(m, name); ++n) name = "Copy of " + source.Name + " " + std::to_string(n);
  TFormat copy{name, source.Lines};
  m.Entries.push_back(std::move(copy));
  return static_cast<int>(m.Entries.size()) - 1;
}

void DeleteFormats(TFormatManagerState& m, const std::vector<int>& selected) {
  std::vector<bool> gone(m.Entries.size(), false);
  for (int i : selected) {
    if (!ValidIndex(m, i) || SameText(m.Entries[static_cast<size_t>(i)].Name, "Default")) continue;
    gone[static_cast<size_t>(i)] = true;
    if (SameText(m.Entries[static_cast<size_t>(i)].Name, m.CurrentName)) m.CurrentName.clear();
  }
  std::vector<TFormat> kept;
  for (size_t i = 0; i < m.Entries.size(); ++i) {
    if (!gone[i]) kept.push_back(std::move(m.Entries[i]));
  }
  m.Entries = std::move(kept);
}

std::string ExportText(const TFormatManagerState& m, const std::vector<int>& selected) {
  std::string text;
  for (int i : selected) {
    if (!ValidIndex(m, i)) continue;
    const TFormat& f = m.Entries[static_cast<size_t>(i)];
    text += "[" + f.Name + "]\r\n" + JoinLinesCrLf(f.Lines) + "\r\n";
  }
  return text;
}

bool WriteExport(TFileSystemPort& files, const std::string& path, const std::string& text, bool append) {
  std::string old;
  if (append && files.FileExists(path) && !ReadUserFile(files, path, old)) return false;
  // A last line without its line end would swallow the first section header.
  if (!old.empty() && old.back() != '\n' && old.back() != '\r') old += "\r\n";
  return files.WriteFileAtomic(path, old + text, false);
}

bool SaveFormatManager(TTourney& t, const TFormatManagerState& m) { return WriteFormatStore(t, m.Entries); }

}  // namespace vkr
