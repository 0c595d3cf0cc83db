// Script commands of the lobby link: simulated lobby windows, the lobby
// submenu, and the posting options.
#include "base/Text.h"
#include "cli/Commands.h"
#include "cli/ScriptHost.h"
#include "lobby/LobbyChoice.h"
#include "lobby/LobbyOptions.h"
#include "lobby/LobbyWindows.h"

namespace vkr::cli {
namespace {

const std::string kClassWord = "class=";

// The text after the subcommand word: a title that may hold blanks.
std::string TitleAfter(const TCommandLine& line) {
  const std::string& rest = line.Rest;
  return Trim(rest.substr(rest.find(line.Arg(1)) + line.Arg(1).size()));
}

// lobby open TITLE [class=NAME]
void Open(TScriptHost& h, const TCommandLine& line) {
  std::string title = TitleAfter(line);
  std::string className(kClientLobbyClass);
  const size_t lastBlank = title.find_last_of(' ');
  const size_t lastWord = lastBlank == std::string::npos ? 0 : lastBlank + 1;
  if (title.compare(lastWord, kClassWord.size(), kClassWord) == 0) {
    className = title.substr(lastWord + kClassWord.size());
    if (className.empty()) throw TScriptError("class= needs a class name");
    title = Trim(title.substr(0, lastWord));
  }
  h.Lobby.OpenLobby(title, className);
}

void Close(TScriptHost& h, const TCommandLine& line) {
  const std::string title = TitleAfter(line);
  if (!h.Lobby.CloseLobby(title)) throw TScriptError("no lobby window titled '" + title + "'");
}

// Opens the lobby submenu and clicks the first entry with that title.
void Choose(TScriptHost& h, const TCommandLine& line) {
  const std::string title = TitleAfter(line);
  RefreshLobbyMenu(h.T);
  for (const TLobbyMenuEntry& entry : h.T.Lobby.Menu) {
    if (entry.Lobby.Title != title) continue;
    SelectLobby(h.T, entry.Lobby);
    return;
  }
  throw TScriptError("the lobby menu has no entry '" + title + "'");
}

// Opens the lobby submenu and shows it.
void Refresh(TScriptHost& h) {
  RefreshLobbyMenu(h.T);
  for (const TLobbyMenuEntry& entry : h.T.Lobby.Menu) {
    PrintLine(h.Out, entry.Checked ? "lobby menu: (*) " : "lobby menu: ( ) ", entry.Lobby.Title);
  }
  PrintLine(h.Out, h.T.Lobby.DisabledChecked ? "lobby menu: (*) " : "lobby menu: ( ) ", "&Disabled");
}

void Lobby(TScriptHost& h, const TCommandLine& line) {
  const std::string& action = line.Arg(1);
  if (action == "open") {
    Open(h, line);
  } else if (action == "close") {
    Close(h, line);
  } else if (action == "choose") {
    Choose(h, line);
  } else if (action == "disable" || action == "refresh") {
    ExpectCount(line, 1, 1);
    if (action == "disable") DisableLobby(h.T);
    else Refresh(h);
  } else {
    throw TScriptError("expected lobby open, close, choose, disable or refresh");
  }
}

// Clicks a check-mark item when its state differs from the wanted one.
void SetCheck(TTourney& t, bool checked, bool on, void (*click)(TTourney&)) {
  if (checked != on) click(t);
}

}  // namespace

bool SetLobbyOption(TScriptHost& h, const std::string& name, bool on) {
  TTourney& t = h.T;
  if (name == "preview") {
    SetCheck(t, t.Lobby.AutoPostPreview, on, AutoPostPreviewItemClick);
  } else if (name == "auto-post-loss") {
    if (!AutoPostLossItemEnabled(t)) {
      throw TScriptError("the auto-post loser's item is greyed without a chat box or in preview mode");
    }
    SetCheck(t, t.Lobby.AutoPostLoss, on, AutoPostLossItemClick);
  } else if (name == "post-manually") {
    SetCheck(t, t.Lobby.PostManually, on, PostManuallyItemClick);
  } else {
    return false;
  }
  return true;
}

void RegisterLobbyCommands(TCommandTable& table) { table["lobby"] = Lobby; }

}  // namespace vkr::cli
