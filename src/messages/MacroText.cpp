#include "messages/MacroText.h"

#include "base/Text.h"

namespace vkr {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void SkipBlanks(std::string_view text, size_t& at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
}

// A run of 1 to 9 decimal digits at `at`.
bool ReadNumber(std::string_view text, size_t& at, uint64_t& value) {
  size_t start = at;
  value = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    if (at - start == 9) return false;
    value = value * 10 + static_cast<uint64_t>(text[at] - '0');
    ++at;
  }
  return at > start;
}

}  // namespace

std::string QuoteMacroLine(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  quoted += '"';
  return quoted;
}

std::string UnquoteMacroLine(std::string_view text) {
  if (text.empty() || text[0] != '"') return std::string(text);
  std::string plain;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] != '"') {
      plain += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '"') {
      plain += '"';
      ++i;
    } else {
      break;
    }
  }
  return plain;
}

std::vector<std::string> MacroLinesOfSection(const std::vector<std::string>& sectionLines) {
  std::vector<std::string> lines;
  for (const std::string& line : sectionLines) {
    size_t eq = line.find('=');
    if (eq != std::string::npos) lines.push_back(UnquoteMacroLine(std::string_view(line).substr(eq + 1)));
  }
  return lines;
}

std::vector<std::string> SectionLinesOfMacro(const std::vector<std::string>& lines) {
  std::vector<std::string> section;
  section.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    section.push_back(Sprintf("Line%.2zu=", i) + QuoteMacroLine(lines[i]));
  }
  return section;
}

bool IsPlayerMacro(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    for (const char* token : {"%p", "%o", "%t", "%r"}) {
      if (line.find(token) != std::string::npos) return true;
    }
  }
  return false;
}

bool ParseDelayLine(std::string_view text, uint64_t& milliseconds) {
  size_t at = 0;
  SkipBlanks(text, at);
  constexpr std::string_view kPrefix = ".<DELAY:";
  if (!SameText(text.substr(at, kPrefix.size()), kPrefix)) return false;
  at += kPrefix.size();
  uint64_t seconds = 0, hundredths = 0;
  SkipBlanks(text, at);
  if (!ReadNumber(text, at, seconds)) return false;
  SkipBlanks(text, at);
  if (at >= text.size() || text[at] != '.') return false;
  ++at;
  SkipBlanks(text, at);
  if (!ReadNumber(text, at, hundredths)) return false;
  milliseconds = seconds * 1000 + hundredths * 10;
  return true;
}

}  // namespace vkr
