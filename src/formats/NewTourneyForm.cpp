#include "formats/NewTourneyForm.h"

#include <algorithm>

#include "base/Text.h"
#include "engine/HostDetails.h"
#include "engine/Tourney.h"
#include "formats/FormatEditing.h"
#include "formats/FormatStore.h"
#include "formats/MessageFile.h"
#include "lobby/LobbyChoice.h"
#include "lobby/LobbyWindows.h"
#include "timing/ClockPort.h"

namespace vkr {

const char* const kTourneyExistsQuestion = "A tourney file of that name already exists, do you want to overwrite it?";

std::string ProposedTourneyFile(const std::string& folder, const std::string& format, TDateTime today,
                                const std::string& startTime) {
  std::string name = format + FormatDateTime(" ddmmmyy ", today) + startTime + " Tournament";
  std::erase_if(name, [](char c) { return std::string_view("*./:<>?\\|\"").find(c) != std::string_view::npos; });
  return folder + name;
}

std::vector<std::string> NewTourneyFormatNames(TTourney& t) {
  TMessageFile store(*t.Ports.Files, FormatStoreFileName(t));
  store.Load();
  std::vector<std::string> names{"Default"};
  for (int i = 0; i < store.SectionCount(); ++i) {
    if (!SameText(store.SectionName(i), "Default")) names.push_back(store.SectionName(i));
  }
  return names;
}

TNewTourneyDraft OpenNewTourney(TTourney& t) {
  TNewTourneyDraft d;
  TNewTourneyChoice& c = d.Choice;
  c.ShowPointsAtEnd = t.Options.ShowPointsAtEnd;
  c.FormatName = "Default";
  const THostDetails current = HostDetailsOf(t);
  c.Host.HostName = current.HostName;
  c.Host.RulesTimeText = current.RulesTimeText;
  c.Host.StartTimeText = current.StartTimeText;
  c.TeamMode = t.TeamMode;
  c.CapNames = t.CapNames;
  c.UseStartTables = true;
  c.StartTables = t.Format.DefaultStartTables;
  ProposeTourneyFile(t, d);
  return d;
}

void ChooseNewTourneyFormat(TTourney& t, TNewTourneyDraft& d, const std::string& formatName) {
  TNewTourneyChoice& c = d.Choice;
  c.FormatName = formatName;
  TMessageFile store(*t.Ports.Files, FormatStoreFileName(t));
  store.Load();
  const TFormatLines* lines = SameText(formatName, "Default") ? nullptr : store.FindSection(formatName);
  if (lines != nullptr) {
    const TFormatValues values(*lines);
    THostDetails& h = c.Host;
    h.HostName = values.Text("Host name", h.HostName);
    h.CoHostName = values.Text("Co-host name", h.CoHostName);
    h.HostPlayerName = values.Text("Host player name", h.HostPlayerName);
    h.CoHostPlayerName = values.Text("Co-host player Name", h.CoHostPlayerName);
    h.StartTimeText = values.Text("Start time", h.StartTimeText);
    h.RulesTimeText = values.Text("Rules time", h.RulesTimeText);
    c.StartTables = StartTablesOfFormat(*lines, t.Format.DefaultStartTables);
  }
  ProposeTourneyFile(t, d);
}

void ProposeTourneyFile(TTourney& t, TNewTourneyDraft& d) {
  d.FileField = ProposedTourneyFile(t.FilesFolder, d.Choice.FormatName, t.Ports.Clock->Now(), d.Choice.Host.StartTimeText);
}

std::string TourneyFileOf(const std::string& field) {
  const std::string ext = ".vkr";
  const bool has = field.size() >= ext.size() && SameText(std::string_view(field).substr(field.size() - ext.size()), ext);
  return has ? field : field + ext;
}

void StartFromDraft(TTourney& t, const TNewTourneyDraft& d) {
  const std::vector<TLobbyEntry> lobbies = d.LobbyTitle.empty() ? std::vector<TLobbyEntry>{} : EnumerateLobbies(t);
  auto lobby = std::find_if(lobbies.begin(), lobbies.end(), [&](const TLobbyEntry& e) { return e.Title == d.LobbyTitle; });
  if (lobby != lobbies.end()) SelectLobby(t, *lobby);
  else DisableLobby(t);
  TNewTourneyChoice choice = d.Choice;
  choice.FileName = TourneyFileOf(d.FileField);
  StartNewTourney(t, choice);
  ApplyNewTourneyRapidAssign(t, d.RapidAssign);
}

}  // namespace vkr
