#pragma once
// The two special sections of a macro file and the toolbar lines.
#include <string>
#include <vector>

namespace vkr {

class TMessageFile;

inline constexpr const char* kToolbarSection = "_Toolbar_";
inline constexpr const char* kHotKeysSection = "_HotKeys_";

// Every section but "_Toolbar_" and "_HotKeys_" (case ignored) is a macro;
// a section without a name ("[]x") is none, as "[]" would not read back.
bool IsMacroSection(const std::string& name);

struct TToolbarEntry {
  std::string Macro;
  std::string Caption;
};

// The "_Toolbar_" lines as name=caption entries whose macro has a section, in
// line order. Lines of the older layout, LineNN=name, give a button captioned
// with the macro's name; the layout is told by the section's first line.
std::vector<TToolbarEntry> ReadToolbarSection(const TMessageFile& file);

// The part of a name=value line before the first "=", and the part after it.
std::string KeyOfLine(const std::string& line);
std::string ValueOfLine(const std::string& line);

}  // namespace vkr
