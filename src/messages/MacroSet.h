#pragma once
// The macros of one macro file as the macro manager edits them: the macros in
// order, the toolbar list (name=caption lines) and the hot-key list
// (name=shortcut lines). Nothing reaches the file before Save.
#include <string>
#include <vector>

namespace vkr {

class TFileSystemPort;

struct TMacro {
  std::string Name;
  std::vector<std::string> Lines;  // one chat post each
};

// What the macro editor hands back; see ValidateMacroEdit.
struct TMacroEdit {
  std::string Name;
  std::vector<std::string> Lines;
  std::string HotKey;  // text form of the shortcut; empty for none
  bool ShowInToolbar = false;
  std::string Caption;
};

class TMacroSet {
 public:
  std::vector<TMacro> Macros;
  std::vector<std::string> Toolbar;
  std::vector<std::string> HotKeys;

  // Reads the file; a missing or unreadable file gives an empty set.
  void Load(TFileSystemPort& files, const std::string& fileName);
  // Drops toolbar entries of missing macros, orders the toolbar by macro
  // position, keeps the old file as ".~vkm" and writes the whole file.
  bool Save(TFileSystemPort& files, const std::string& fileName);

  // The index of the macro of that name (case ignored), or -1.
  int IndexOf(const std::string& name) const;
  // The caption of the macro's toolbar entry, and whether it has one.
  bool ToolbarCaption(const std::string& name, std::string& caption) const;
  // The hot-key text of the macro; empty when it has none.
  std::string HotKey(const std::string& name) const;
  // What the editor shows for an existing macro.
  TMacroEdit EditOf(int index) const;

  // Editor results, already validated.
  void Add(const TMacroEdit& edit);
  void Replace(int index, const TMacroEdit& edit);
  void Delete(int index);
  // Appends a copy named "Copy of NAME", or "Copy of NAME N" while that is taken.
  void Copy(int index);
  // Moves a macro to another place; the others keep their order.
  void Move(int from, int to);
  void Sort();

 private:
  void RemoveEntries(const std::string& name);
  void AddEntries(const TMacroEdit& edit);
};

}  // namespace vkr
