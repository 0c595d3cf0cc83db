#include "fakes/FakePorts.h"

#include "base/Text.h"
#include "storage/ActionLog.h"

namespace vkr::test {

bool TFakeScreen::Confirm(const std::string& text, bool*) {
  bool answer = DefaultAnswer;
  if (!Answers.empty()) {
    answer = Answers.front();
    Answers.pop_front();
  }
  Events.push_back("ask: " + text + (answer ? " -> yes" : " -> no"));
  return answer;
}

bool TFakeScreen::Notify(const std::string& text) {
  Events.push_back("notice: " + text);
  return false;
}

bool TMemoryFileSystem::AppendWriteThrough(const std::string& path, std::string_view bytes) {
  if (FailWrites) return false;
  Files[path].append(bytes);
  return true;
}

bool TMemoryFileSystem::ReadFile(const std::string& path, std::string& bytes, size_t maxBytes) {
  auto it = Files.find(path);
  if (it == Files.end() || it->second.size() > maxBytes) return false;
  bytes = it->second;
  return true;
}

bool TMemoryFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes, bool) {
  if (FailWrites) return false;
  Files[path] = std::string(bytes);
  return true;
}

bool TMemoryFileSystem::CopyFile(const std::string& from, const std::string& to) {
  auto it = Files.find(from);
  if (FailWrites || it == Files.end()) return false;
  Files[to] = it->second;
  return true;
}

TTestHost::TTestHost() {
  T.Ports.Screen = &Screen;
  T.Ports.Clock = &Clock;
  T.Ports.Clipboard = &Clipboard;
  T.Ports.Files = &Files;
}

std::vector<std::string> TTestHost::LogLines() const {
  auto it = Files.Files.find(LogFileName(T));
  if (it == Files.Files.end()) return {};
  std::vector<std::string> lines;
  std::string_view text = it->second;
  size_t start = 0;
  for (size_t pos = text.find("\r\n"); pos != std::string_view::npos; pos = text.find("\r\n", start)) {
    lines.emplace_back(text.substr(start, pos - start));
    start = pos + 2;
  }
  return lines;
}

}  // namespace vkr::test
