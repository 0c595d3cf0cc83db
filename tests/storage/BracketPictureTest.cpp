// The whole-bracket picture: which tables are drawn in which column, that
// every line joins the two tables of one entry, that boxes never overlap,
// and that hostile names and damaged models give a well-formed document.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "engine/SignUp.h"
#include "engine/Tourney.h"
#include "storage/BracketLayout.h"
#include "storage/BracketPage.h"
#include "storage/BracketSvg.h"
#include "storage/ReportHeader.h"
#include "support/RandomPlay.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

// Boxes per column of each band, "." for none: "W 4,2,1 O .,2,2".
std::string Columns(const TPictureLayout& layout) {
  std::string out;
  for (const TPictureBand& band : layout.Bands) {
    std::vector<int> counts;
    for (const TPictureBox& box : layout.Boxes) {
      if (box.Table.Bracket != band.Bracket) continue;
      counts.resize(std::max(counts.size(), static_cast<size_t>(box.Column) + 1));
      ++counts[static_cast<size_t>(box.Column)];
    }
    out += std::string(out.empty() ? "" : " ") + "WOT"[band.Bracket];
    for (size_t c = 0; c < counts.size(); ++c) out += (c ? "," : " ") + (counts[c] ? std::to_string(counts[c]) : ".");
  }
  return out;
}

int16_t EntryAt(const TTourney& t, const TPictureLayout& layout, int box, int seat) {
  return t.Model.Table(layout.Boxes[static_cast<size_t>(box)].Table).Seat[static_cast<size_t>(seat)];
}

// Every line joins the same entry's seats at two tables, of the right kind;
// every step of every entry has its line; boxes of a column never overlap.
void ExpectSoundLayout(const TTourney& t, const TPictureLayout& layout) {
  size_t steps = 0;
  for (const TPlayer& p : t.Model.Players()) steps += static_cast<size_t>(std::max(p.LastSlot(), 0));
  EXPECT_EQ(layout.Links.size(), steps);
  for (const TPictureLink& link : layout.Links) {
    const int16_t entry = EntryAt(t, layout, link.From, link.FromSeat);
    ASSERT_EQ(entry, EntryAt(t, layout, link.To, link.ToSeat));
    const TTable& from = t.Model.Table(layout.Boxes[static_cast<size_t>(link.From)].Table);
    const int toBracket = layout.Boxes[static_cast<size_t>(link.To)].Table.Bracket;
    const TLinkKind loser = toBracket == TwoLoss ? TLinkKind::LoserToTwoLoss : TLinkKind::LoserToOneLoss;
    EXPECT_EQ(link.Kind, from.Winner() == entry ? TLinkKind::Winner : loser);
  }
  std::map<std::pair<int, int>, std::vector<int>> tops;  // by band and column
  for (const TPictureBox& box : layout.Boxes) {
    tops[{box.Table.Bracket, box.Column}].push_back(box.Y);
    EXPECT_TRUE(box.X >= 0 && box.Y >= 0 && box.X + picture::kBoxWidth <= layout.Width &&
                box.Y + picture::kBoxHeight <= layout.Height);
  }
  for (auto& [where, ys] : tops) {
    std::sort(ys.begin(), ys.end());
    for (size_t i = 1; i < ys.size(); ++i) EXPECT_GE(ys[i] - ys[i - 1], picture::kBoxHeight);
  }
}

void PlayTripleEight(TTestHost& h) {
  StartEight(h, ElimTriple);
  Play(h, {{Winners, 0, 0, 0}, {Winners, 0, 1, 0}, {Winners, 0, 2, 0}, {Winners, 0, 3, 0}, {OneLoss, 1, 0, 0},
           {OneLoss, 1, 1, 0}, {Winners, 1, 0, 0}, {Winners, 1, 1, 0}, {OneLoss, 2, 0, 0}, {OneLoss, 2, 1, 0},
           {TwoLoss, 2, 0, 0}, {Winners, 2, 0, 0}, {OneLoss, 3, 0, 0}, {OneLoss, 3, 1, 0}, {TwoLoss, 3, 0, 0},
           {TwoLoss, 3, 1, 0}, {OneLoss, 4, 0, 0}, {TwoLoss, 4, 0, 0}, {TwoLoss, 4, 1, 0}, {TwoLoss, 5, 0, 0},
           {TwoLoss, 5, 1, 0}, {TwoLoss, 6, 0, 0}, {OneLoss, 5, 0, 1}, {Winners, 3, 0, 0}});
}

TEST(BracketPicture, EveryRoundAColumnAndTheFinalsAfterTheBracketsThatFeedThem) {
  struct TCase {
    void (*Play)(TTestHost&);
    const char* Columns;
    const char* Champion;
    int FinalColumn;
  };
  const TCase cases[] = {
      // Before sign-ups close, only the tables with entries.
      {[](TTestHost& h) {
         StartTourney(h.T, "open.vkr", ElimDouble);
         h.T.OnePlayerPerTable = false;
         for (const char* name : {"Alice", "Bob", "Carol"}) AddButtonClick(h.T, name);
       },
       "W 2", nullptr, -1},
      {PlaySingleEight, "W 4,2,1", "Dave", 2},
      {[](TTestHost& h) { PlayDoubleEight(h, "Erin"); }, "W 4,2,1,.,.,1 O .,2,2,2,1", "Erin", 5},
      // The one-loss champion meets the two-loss champion after the two-loss final.
      {PlayTripleEight, "W 4,2,1,.,.,.,.,.,1 O .,2,2,2,1,.,.,1 T .,.,1,2,2,2,1", "Alice", 8},
  };
  for (const TCase& c : cases) {
    TTestHost h;
    c.Play(h);
    const TPictureLayout layout = LayOutPicture(h.T, 0);
    EXPECT_EQ(Columns(layout), c.Columns);
    ExpectSoundLayout(h.T, layout);
    if (!c.Champion) continue;
    ASSERT_GE(layout.FinalBox, 0) << c.Columns;
    const TPictureBox& final = layout.Boxes[static_cast<size_t>(layout.FinalBox)];
    EXPECT_EQ(final.Column, c.FinalColumn);
    EXPECT_EQ(layout.ChampionX, ColumnX(c.FinalColumn + 1));
    const std::string svg = BracketPictureSvg(h.T);
    EXPECT_NE(svg.find(std::string(">") + c.Champion + "</text></g></svg>"), std::string::npos) << c.Champion;
  }
}

TEST(BracketPicture, OneBoxAndOneTooltipPerTableAndLinesEvenInALargeTripleElimination) {
  TTestHost h;
  TRandomPlan plan;
  std::tie(plan.Entries, plan.Format, plan.Corrections, plan.Seed) = std::tuple(64, ElimTriple, false, 3);
  TRandomTournament game(h.T, plan);
  game.SignUp();
  for (int k = 0; k < 100 && game.Step(); ++k) h.Clock.Advance(60);
  const TPictureLayout layout = LayOutPicture(h.T, 0);
  ExpectSoundLayout(h.T, layout);
  EXPECT_EQ(layout.FinalBox, -1);  // not played to the end
  const std::string svg = BracketPictureSvg(h.T);
  size_t titles = 0;
  for (size_t at = svg.find("<title>"); at != std::string::npos; at = svg.find("<title>", at + 1)) ++titles;
  EXPECT_EQ(titles, layout.Boxes.size());
  EXPECT_EQ(svg.find("CHAMPION"), std::string::npos);
}

// The element tags of a document balance (void HTML elements aside), and
// no control character but the line feed stands in it.
void ExpectWellFormed(const std::string& doc) {
  std::vector<std::string> open;
  for (size_t at = doc.find('<'); at != std::string::npos; at = doc.find('<', at + 1)) {
    const size_t end = doc.find('>', at);
    ASSERT_NE(end, std::string::npos);
    const std::string tag = doc.substr(at + 1, end - at - 1);
    ASSERT_EQ(tag.find('<'), std::string::npos) << tag;
    if (tag[0] == '?' || tag[0] == '!' || tag.back() == '/') continue;
    const std::string name = tag.substr(tag[0] == '/' ? 1 : 0, tag.find_first_of(" /", 1) - (tag[0] == '/' ? 1 : 0));
    if (name == "meta" || name == "input") continue;
    if (tag[0] != '/') {
      open.push_back(name);
    } else {
      ASSERT_FALSE(open.empty()) << tag;
      ASSERT_EQ(open.back(), name);
      open.pop_back();
    }
  }
  EXPECT_TRUE(open.empty());
  EXPECT_TRUE(std::none_of(doc.begin(), doc.end(), [](char c) { return c >= 0 && c < 0x20 && c != '\n'; }));
}

TEST(BracketPicture, HostileNamesAndDamagedModelsStillGiveWellFormedDocuments) {
  TTestHost h;
  PlayDoubleEight(h, "Dave");
  h.T.Model.SetName(0, "</text><script>alert(1)</script>");
  h.T.Model.SetName(1, std::string("Bo\x01\x0D\x0A\x81 \"q\" & 'a'", 17));
  h.T.Context.HostName = "<Host & \x80>";
  for (const std::string& doc : {BracketPictureSvg(h.T), BracketPictureHtml(h.T)}) {
    ExpectWellFormed(doc);
    EXPECT_EQ(doc.find("<script>"), std::string::npos);
    EXPECT_NE(doc.find("&lt;/text&gt;&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
    EXPECT_NE(doc.find("Bo\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD &quot;q&quot; &amp; &#39;a&#39;"),
              std::string::npos);
    EXPECT_NE(doc.find("&lt;Host &amp; \xE2\x82\xAC&gt;"), std::string::npos);
  }
  // Seat and slot references and decisive rounds that name nothing.
  TModel& m = h.T.Model;
  m.SetSeat(TTableRef::Of(Winners, 0, 1), 0, 300);
  m.SetSlot(2, 5, TTableRef::Of(TwoLoss, 14, 127), 1);
  m.SetFinal(TFinal::GrandFinal, 1000);
  m.SetFinal(TFinal::TwoLossFinal, -7);
  m.SetTableCount(OneLoss, 2, 100000);
  const std::string svg = BracketPictureSvg(h.T);
  ExpectWellFormed(svg);
  EXPECT_NE(svg.find(">?</text>"), std::string::npos);
}

// That the page holds a heading and a picture a browser shows is checked in Chromium.
TEST(BracketPage, NamesTheTournamentItsDateAndHostsAndEmbedsThePicture) {
  for (int format : {ElimSingle, ElimDouble}) {
    TTestHost h;
    BuildStoredTourney(h, {.FileName = "page.vkr", .Format = format, .Entries = 9, .Clicks = 6});
    const std::string page = BracketPictureHtml(h.T);
    ExpectWellFormed(page);
    EXPECT_NE(page.find("<h1>" + PictureTitle(h.T).Name + "</h1>"), std::string::npos);
    EXPECT_NE(page.find("<p>Date: " + TournamentDateText(h.T) + " 9:00 pm &#183; Host: Hostess (host_player), "
                        "co-host Helper (cohost_player)</p>"),
              std::string::npos);
    EXPECT_EQ(page.find("<?xml"), std::string::npos);
    EXPECT_EQ(page.find("id=\"losers\"") != std::string::npos, format != ElimSingle);
  }
}

}  // namespace
}  // namespace vkr::test
