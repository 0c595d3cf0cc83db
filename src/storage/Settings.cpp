#include "storage/Settings.h"

#include <algorithm>

#include "base/Text.h"
#include "storage/SettingsPort.h"

namespace vkr {

namespace {

struct TBoolValue {
  const char* Name;
  bool TSettings::*Field;
};

// The booleans read and written without a condition, in the store's order.
constexpr TBoolValue kViewBooleans[] = {
    {"Show Points At End", &TSettings::ShowPointsAtEnd},
    {"Always On Top", &TSettings::AlwaysOnTop},
    {"Show Status Summary", &TSettings::ShowStatusSummary},
};
constexpr TBoolValue kPostingBooleans[] = {
    {"Reset Boot On Assign", &TSettings::ResetBootOnAssign},
    {"Show MainMenu Lobbies", &TSettings::ShowMainMenuLobbies},
    {"Auto-Post Preview", &TSettings::AutoPostPreview},
    {"Auto-Post Loss", &TSettings::AutoPostLoss},
    {"Hide Completed Matches", &TSettings::HideCompletedMatches},
};
constexpr TBoolValue kSignUpBooleans[] = {
    {"Four Per Table", &TSettings::FourPerTable},
    {"Cap Names", &TSettings::CapNames},
    {"All Byes in Round 2", &TSettings::AllByesInRound2},
    {"Randomly Assign Byes", &TSettings::RandomlyAssignByes},
};

class TReader {
 public:
  TReader(TSettingsPort& port, TSettings& s) : P(port), S(s) {}

  // A boolean counts only when stored as an integer; reports whether it was.
  bool Bool(const char* name, bool& field) {
    const auto value = P.ReadInteger(name);
    if (value) field = *value != 0;
    return value.has_value();
  }
  void Bools(const auto& table) {
    for (const TBoolValue& v : table) Bool(v.Name, S.*v.Field);
  }
  bool String(const char* name, std::string& field) {
    const auto value = P.ReadString(name);
    if (value) field = *value;
    return value.has_value();
  }
  bool Exists(const char* name) { return P.ReadInteger(name) || P.ReadString(name); }

 private:
  TSettingsPort& P;
  TSettings& S;
};

class TWriter {
 public:
  explicit TWriter(TSettingsPort& port, const TSettings& s) : P(port), S(s) {}
  void Bool(const char* name, bool value) { P.WriteInteger(name, value ? 1 : 0); }
  void Bools(const auto& table) {
    for (const TBoolValue& v : table) Bool(v.Name, S.*v.Field);
  }

 private:
  TSettingsPort& P;
  const TSettings& S;
};

}  // namespace

bool ReadSettings(TSettingsPort& port, TSettings& s) {
  if (!port.Exists()) return true;
  TReader r(port, s);
  // The placement is read without a condition: a store without it is damaged.
  const auto left = port.ReadInteger("Left");
  const auto top = port.ReadInteger("Top");
  if (!left || !top) return false;
  s.Left = left;
  s.Top = top;
  if (const auto arrangement = port.ReadInteger("Bracket Arrangement")) {
    s.Height = port.ReadInteger("Height");
    s.BracketArrangement = std::max(0, *arrangement);
  }
  r.String("Host name", s.HostName);
  r.String("Active Macro File", s.ActiveMacroFile);
  r.String("Default location", s.DefaultLocation);
  r.String("Friends List Folder", s.FriendsListFolder);
  r.Bools(kViewBooleans);
  std::string startTables;
  if (r.String("Default Start Tables", startTables)) s.DefaultStartTables = startTables;
  if (r.Bool("Remind at 15", s.RemindAt15)) {
    r.Bool("Remind at 10", s.RemindAt10);
    r.Bool("Remind at 5", s.RemindAt5);
  }
  r.Bools(kPostingBooleans);
  if (r.String("Middle Time Zone", s.MiddleTimeZone)) r.Bool("Middle Time 24 Hour", s.MiddleTime24Hour);
  if (r.String("Right Time Zone", s.RightTimeZone)) r.Bool("Right Time 24 Hour", s.RightTime24Hour);
  if (const auto filter = port.ReadInteger("Confirm Notify Filter")) {
    s.ConfirmNotifyFilter = static_cast<uint32_t>(*filter);
    r.Bool("Default Clear ZF List", s.DefaultClearZFList);
  }
  if (const auto version = port.ReadInteger("Last Version Installed")) s.LastVersionInstalled = *version;
  r.Bools(kSignUpBooleans);
  if (r.Exists("Display match time remaining")) {
    r.Bool("Post assignments manually", s.PostAssignmentsManually);
    r.Bool("Display match time remaining", s.DisplayMatchTimeRemaining);
  }
  s.RecentTourneys = port.ReadList("RestoreMRU");
  s.RecentMacroFiles = port.ReadList("MacroMRU");
  for (auto* list : {&s.RecentTourneys, &s.RecentMacroFiles}) {
    if (list->size() > kRecentFilesKept) list->resize(kRecentFilesKept);
  }
  return true;
}

void WriteSettings(TSettingsPort& port, const TSettings& s) {
  TWriter w(port, s);
  port.WriteInteger("Left", s.Left.value_or(0));
  port.WriteInteger("Top", s.Top.value_or(0));
  if (s.Height) port.WriteInteger("Height", *s.Height);
  port.WriteInteger("Bracket Arrangement", s.BracketArrangement);
  port.WriteString("Host name", s.HostName);
  port.WriteString("Active Macro File", s.ActiveMacroFile);
  port.WriteString("Default location", s.DefaultLocation);
  port.WriteString("Friends List Folder", s.FriendsListFolder);
  w.Bools(kViewBooleans);
  w.Bool("Remind at 15", s.RemindAt15);
  w.Bool("Remind at 10", s.RemindAt10);
  w.Bool("Remind at 5", s.RemindAt5);
  w.Bools(kPostingBooleans);
  port.WriteString("Middle Time Zone", s.MiddleTimeZone);
  w.Bool("Middle Time 24 Hour", s.MiddleTime24Hour);
  port.WriteString("Right Time Zone", s.RightTimeZone);
  w.Bool("Right Time 24 Hour", s.RightTime24Hour);
  port.WriteInteger("Confirm Notify Filter", static_cast<int32_t>(s.ConfirmNotifyFilter));
  w.Bool("Default Clear ZF List", s.DefaultClearZFList);
  w.Bools(kSignUpBooleans);
  w.Bool("Post assignments manually", s.PostAssignmentsManually);
  w.Bool("Display match time remaining", s.DisplayMatchTimeRemaining);
  port.WriteList("RestoreMRU", s.RecentTourneys);
  port.WriteList("MacroMRU", s.RecentMacroFiles);
}

void AddRecentFile(std::vector<std::string>& list, const std::string& fileName) {
  std::erase_if(list, [&](const std::string& item) { return SameText(item, fileName); });
  list.insert(list.begin(), fileName);
  if (list.size() > kRecentFilesKept) list.resize(kRecentFilesKept);
}

}  // namespace vkr
