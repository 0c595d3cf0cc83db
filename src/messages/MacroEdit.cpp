#include "messages/MacroEdit.h"

#include "base/Text.h"
#include "messages/HotKey.h"
#include "messages/MacroSections.h"
#include "messages/MacroText.h"

namespace vkr {
namespace {

bool HoldsControlCharacter(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) < ' ') return true;
  }
  return false;
}

// A name that would not come back from the file as the same section, or whose
// toolbar and hot-key lines would be read under another name.
bool IsStorableName(const std::string& name) {
  return IsMacroSection(name) && name.find(']') == std::string::npos && name.find('=') == std::string::npos &&
         !HoldsControlCharacter(name);
}

// A line holding line breaks would become several lines of the file.
std::vector<std::string> ChatLines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    if (line.find_first_of("\r\n") == std::string::npos) {
      out.push_back(line);
      continue;
    }
    for (std::string& part : SplitLines(line)) out.push_back(std::move(part));
  }
  return out;
}

}  // namespace

TMacroEditCheck ValidateMacroEdit(const TMacroSet& set, int editing, TMacroEdit& edit) {
  edit.Lines = ChatLines(edit.Lines);
  if (IsPlayerMacro(edit.Lines)) {
    edit.HotKey.clear();
    edit.ShowInToolbar = false;
  }
  edit.Name = Trim(edit.Name);
  if (edit.Name.empty()) {
    return {"No name has been entered for the macro. Please enter a name for the macro.", TMacroField::Name};
  }
  auto isOther = [&](size_t i) { return static_cast<int>(i) != editing; };
  const std::vector<TMacro>& macros = set.Macros;
  for (size_t i = 0; i < macros.size(); ++i) {
    if (isOther(i) && SameText(macros[i].Name, edit.Name)) {
      return {"A macro with that name already exists, please alter the name.", TMacroField::Name};
    }
  }
  if (!IsStorableName(edit.Name)) {
    return {"A macro name cannot contain ] or = or control characters, nor be _Toolbar_ or _HotKeys_. "
            "Please alter the name.",
            TMacroField::Name};
  }
  edit.HotKey = NormalizeHotKey(edit.HotKey);
  if (!edit.HotKey.empty()) {
    for (size_t i = 0; i < macros.size(); ++i) {
      if (isOther(i) && NormalizeHotKey(set.HotKey(macros[i].Name)) == edit.HotKey) {
        return {"A macro is already assigned to that hot-key. Please select another hot-key.", TMacroField::HotKey};
      }
    }
  }
  if (!edit.ShowInToolbar) {
    edit.Caption.clear();
    return {};
  }
  edit.Caption = Trim(edit.Caption);
  if (edit.Caption.empty()) edit.Caption = edit.Name;
  std::string caption;
  for (size_t i = 0; i < macros.size(); ++i) {
    if (isOther(i) && set.ToolbarCaption(macros[i].Name, caption) && SameText(caption, edit.Caption)) {
      return {"A macro with that toolbar name already exists. Please enter another name.", TMacroField::Caption};
    }
  }
  if (HoldsControlCharacter(edit.Caption)) {
    return {"A toolbar name cannot contain control characters. Please enter another name.", TMacroField::Caption};
  }
  return {};
}

std::string LobbySample(const std::string& hostName, const std::vector<std::string>& lines) {
  std::string sample;
  for (const std::string& line : lines) {
    if (!sample.empty()) sample += '\n';
    sample += hostName + "> " + line;
  }
  return sample;
}

}  // namespace vkr
