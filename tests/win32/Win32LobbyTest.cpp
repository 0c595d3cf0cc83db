// The real lobby path: lobby windows of both classes, the chat box found by
// the core's search through the Win32 adapter, each line put on the real
// clipboard, pasted over what the host typed and sent with Enter.
#include <gtest/gtest.h>

#include "Win32LobbyClient.h"
#include "fakes/FakePorts.h"
#include "lobby/LobbyChoice.h"
#include "lobby/LobbyWindows.h"
#include "lobby/PostToLobby.h"
#include "messages/Templates.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Lobby.h"

namespace vkr::test {
namespace {

using Lines = std::vector<std::wstring>;
using Keys = std::vector<std::string>;
// The Enter of one line as the chat box gets it: the three posted messages,
// then the character the message loop translates the key-down into (which
// finds the box empty and sends nothing).
const Keys kEnter = {"down 13", "char 13", "up 13", "char 13"};

// A tournament host whose lobby link, clipboard and clock are the real ones.
struct Win32LobbyTest : ::testing::Test {
  TTestHost Host;
  win32::TWin32Lobby Windows;
  win32::TWin32Clipboard Clipboard{0};
  win32::TWin32Clock Clock;
  Win32LobbyTest() {
    Host.T.Ports.Windows = &Windows;
    Host.T.Ports.Clipboard = &Clipboard;
    Host.T.Ports.Clock = &Clock;
  }
  // Chooses the lobby of that title from the lobby list.
  void Choose(const std::string& title) {
    for (const TLobbyEntry& entry : EnumerateLobbies(Host.T)) {
      if (entry.Title == title) return SelectLobby(Host.T, entry);
    }
    FAIL() << "no lobby titled " << title;
  }
  static TWindowHandle Handle(HWND window) { return win32::ToHandle(window); }
};

TEST_F(Win32LobbyTest, LinesArriveInTheChatOfAClientWindowLobby) {
  TWin32LobbyClient lobby(L"ZoneLobbyClientWnd", L"Backgammon \u2022 Room 1");
  Choose("Backgammon \x95 Room 1");
  EXPECT_EQ(Host.T.Lobby.FLobbyEditWnd, Handle(lobby.ChatBox()));
  EXPECT_EQ(Host.T.LobbyTableCount, 150);
  SetWindowTextW(lobby.ChatBox(), L"what the host was typing");

  Announce(Host.T, "\x95 Anna to table 7%cGood luck!", true);
  EXPECT_EQ(lobby.Sent(), (Lines{L"\u2022 Anna to table 7", L"Good luck!"}));
  EXPECT_EQ(lobby.BoxText(), L"");
  Keys twice = kEnter;
  twice.insert(twice.end(), kEnter.begin(), kEnter.end());
  EXPECT_EQ(lobby.Keys(), twice);
  // The last line stays on the clipboard in both forms.
  PostToLobby(Host.T, "\x95\x95 Table #7 \x80 5", true);
  EXPECT_EQ(ClipboardAnsi(), "\x95\x95 Table #7 \x80 5");
  EXPECT_EQ(ClipboardWide(), L"\u2022\u2022 Table #7 \u20ac 5");

  // A preview pastes without Enter.
  const Keys keysBefore = lobby.Keys();
  Host.T.Lobby.AutoPostPreview = true;
  PostToLobby(Host.T, "first", true);
  PostToLobby(Host.T, "second", true);
  EXPECT_EQ(lobby.BoxText(), L"second");
  EXPECT_EQ(lobby.Keys(), keysBefore);
}

// Client-window lobbies are listed first; a lobby window's chat box is the
// one inside its chat control.
TEST_F(Win32LobbyTest, ListedByKindAndTheLobbyWindowsChatBoxIsInsideTheChatControl) {
  TWin32LobbyClient lobby(L"ZoneLobbyWindow", L"Checkers Lobby");
  TWin32LobbyClient first(L"ZoneLobbyClientWnd", L"Listed first");
  std::vector<std::string> titles;
  for (const TLobbyEntry& entry : EnumerateLobbies(Host.T)) titles.push_back(entry.Title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Listed first", "Checkers Lobby"}));

  Choose("Checkers Lobby");
  EXPECT_EQ(Host.T.Lobby.FLobbyEditWnd, Handle(lobby.ChatBox()));
  EXPECT_EQ(Host.T.LobbyTableCount, 51) << "a lobby window has 51 tables";
  PostToLobby(Host.T, "%!Bob wins", false);
  EXPECT_EQ(lobby.Sent(), Lines{L"Bob wins"});
}

TEST_F(Win32LobbyTest, ALobbyClosingWhilePostingDetachesAndTheRestGoesToTheClipboard) {
  TWin32LobbyClient lobby(L"ZoneLobbyClientWnd", L"Leaving");
  lobby.CloseOnSend = true;
  Choose("Leaving");
  Announce(Host.T, "one%ctwo%cthree", true);
  EXPECT_EQ(lobby.Sent(), Lines{L"one"});
  EXPECT_TRUE(lobby.Closed());
  EXPECT_EQ(ClipboardAnsi(), "three");

  ReattachLobby(Host.T);
  EXPECT_EQ(Host.T.Lobby.FLobbyEditWnd, 0u);
  EXPECT_EQ(Host.T.Lobby.LobbyName, "Leaving") << "kept, to attach again";
}

}  // namespace
}  // namespace vkr::test
