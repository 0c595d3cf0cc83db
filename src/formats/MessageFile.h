#pragma once
// A file of named sections of text lines: the format store and macro files.
#include <string>
#include <unordered_map>
#include <vector>

#include "base/Text.h"

namespace vkr {

class TFileSystemPort;

class TMessageFile {
  TFileSystemPort& FFiles;

 public:
  TMessageFile(TFileSystemPort& files, std::string fileName) : FFiles(files), FileName(std::move(fileName)) {}
  std::string FileName;

  // Clears the sections, then reads the file; false when it cannot be read.
  bool Load();
  // Replaces the file with every section: "[name]", its lines, an empty line.
  bool Save() const;
  int SectionCount() const { return static_cast<int>(FSections.size()); }
  const std::string& SectionName(int i) const { return FSections[static_cast<size_t>(i)].Name; }
  const std::vector<std::string>& SectionLines(int i) const { return FSections[static_cast<size_t>(i)].Lines; }
  // The section of that name (case ignored), or nullptr.
  const std::vector<std::string>* FindSection(const std::string& name) const;
  // False when a section of that name exists already.
  bool AddSection(const std::string& name, const std::vector<std::string>& lines);
  void Clear();

  // The file's text as Save writes it.
  std::string ToText() const;

 private:
  struct TSection {
    std::string Name;
    std::vector<std::string> Lines;
  };
  std::vector<TSection> FSections;
  // Position of each section by name, so that a file of very many sections
  // is not searched once per header.
  std::unordered_map<std::string, size_t, TCaseBlindHash, TCaseBlindEqual> FIndex;
  void Append(std::string name, std::vector<std::string> lines);
};

// Reads a whole user file of at most 16 MB; false when missing or larger.
bool ReadUserFile(TFileSystemPort& files, const std::string& path, std::string& text);

}  // namespace vkr
