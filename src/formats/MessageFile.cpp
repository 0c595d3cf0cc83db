#include "formats/MessageFile.h"

#include "base/Text.h"
#include "storage/FileSystemPort.h"

namespace vkr {

constexpr size_t kMaxUserFile = 16u << 20;

bool ReadUserFile(TFileSystemPort& files, const std::string& path, std::string& text) {
  return files.ReadFile(path, text, kMaxUserFile);
}

bool TMessageFile::Load() {
  Clear();
  std::string text;
  if (!ReadUserFile(FFiles, FileName, text)) return false;
  TSection* current = nullptr;
  const std::string_view all(text);
  for (size_t start = 0; start < all.size();) {
    size_t end = all.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = all.size();
    std::string line = Trim(all.substr(start, end - start));
    start = end + 1;
    if (line.size() < 3) continue;
    if (line[0] == '[') {
      size_t close = line.find(']');
      std::string name = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
      if (FindSection(name) == nullptr) {
        Append(std::move(name), {});
        current = &FSections.back();
      } else {
        current = nullptr;  // a repeated section's lines are dropped
      }
    } else if (current != nullptr) {
      current->Lines.push_back(std::move(line));
    }
  }
  return true;
}

std::string TMessageFile::ToText() const {
  std::string text;
  for (const TSection& s : FSections) {
    text += "[" + s.Name + "]\r\n";
    for (const std::string& line : s.Lines) text += line + "\r\n";
    text += "\r\n";
  }
  return text;
}

bool TMessageFile::Save() const { return FFiles.WriteFileAtomic(FileName, ToText(), false); }

const std::vector<std::string>* TMessageFile::FindSection(const std::string& name) const {
  auto it = FIndex.find(name);
  return it == FIndex.end() ? nullptr : &FSections[it->second].Lines;
}

bool TMessageFile::AddSection(const std::string& name, const std::vector<std::string>& lines) {
  if (FindSection(name) != nullptr) return false;
  Append(name, lines);
  return true;
}

void TMessageFile::Append(std::string name, std::vector<std::string> lines) {
  FIndex.emplace(name, FSections.size());
  FSections.push_back(TSection{std::move(name), std::move(lines)});
}

void TMessageFile::Clear() {
  FSections.clear();
  FIndex.clear();
}

}  // namespace vkr
