#include "formats/FormatImport.h"

#include <algorithm>

#include "base/Paths.h"
#include "base/Text.h"
#include "engine/Tourney.h"
#include "formats/MessageFile.h"

namespace vkr {
namespace {

TFormat* FindFormat(std::vector<TFormat>& formats, const std::string& name) {
  auto it = std::find_if(formats.begin(), formats.end(), [&](const TFormat& f) { return SameText(f.Name, name); });
  return it == formats.end() ? nullptr : &*it;
}

bool Taken(const std::vector<TFormat>& formats, const std::string& name) {
  return !StorableFormatName(name) ||
         std::any_of(formats.begin(), formats.end(), [&](const TFormat& f) { return SameText(f.Name, name); });
}

std::vector<TFormat> StoredFormats(TTourney& t) {
  TMessageFile store(*t.Ports.Files, FormatStoreFileName(t));
  store.Load();
  std::vector<TFormat> formats;
  for (int i = 0; i < store.SectionCount(); ++i) formats.push_back(TFormat{store.SectionName(i), store.SectionLines(i)});
  return formats;
}

}  // namespace

std::vector<TImportRow> ReadImportRows(TFileSystemPort& files, const std::vector<std::string>& paths) {
  std::vector<TImportRow> rows;
  for (const std::string& path : paths) {
    TMessageFile file(files, path);
    if (!file.Load()) continue;
    const std::string shortName = ChangeFileExt(ExtractFileName(path), "");
    for (int i = 0; i < file.SectionCount(); ++i) {
      rows.push_back(TImportRow{file.SectionName(i), shortName, file.SectionLines(i), true});
    }
  }
  return rows;
}

bool StorableFormatName(const std::string& name) {
  return !name.empty() && name.find(']') == std::string::npos && !SameText(name, "Default");
}

std::string FreeImportName(const std::string& name, const std::vector<TFormat>& stored) {
  std::string base = name;
  std::erase(base, ']');
  std::string proposed;
  for (int n = 2;; ++n) {
    proposed = base + " (" + std::to_string(n) + ")";
    if (!Taken(stored, proposed)) return proposed;
  }
}

TImportResult MergeImport(TTourney& t, const std::vector<TImportRow>& rows, const TImportQuestion& ask) {
  std::vector<TFormat> stored = StoredFormats(t);
  for (const TImportRow& row : rows) {
    if (!row.Checked) continue;
    if (!Taken(stored, row.Name)) {
      stored.push_back(TFormat{row.Name, row.Lines});
      continue;
    }
    std::string name = FreeImportName(row.Name, stored);
    TImportAnswer answer = ask("\"" + row.Name + "\" already exists!", name);
    // A name the store cannot keep is asked about again.
    while (answer == TImportAnswer::Rename && !StorableFormatName(name)) {
      name = FreeImportName(row.Name, stored);
      answer = ask("\"" + row.Name + "\" already exists!", name);
    }
    if (answer == TImportAnswer::Cancel) return TImportResult::Cancelled;
    if (answer == TImportAnswer::Skip) continue;
    // Overwrite keeps the row's own name; a rename onto a taken name replaces that format.
    const std::string& target = answer == TImportAnswer::Overwrite ? row.Name : name;
    if (TFormat* existing = FindFormat(stored, target); existing != nullptr && StorableFormatName(target)) {
      existing->Lines = row.Lines;
    } else if (StorableFormatName(target)) {
      stored.push_back(TFormat{target, row.Lines});
    }
  }
  return WriteFormatStore(t, stored) ? TImportResult::Merged : TImportResult::WriteFailed;
}

}  // namespace vkr
