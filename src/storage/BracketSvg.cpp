#include "storage/BracketSvg.h"

#include "base/Text.h"
#include "base/XmlText.h"
#include "engine/Tourney.h"
#include "messages/Templates.h"
#include "storage/BracketLayout.h"
#include "storage/ReportHeader.h"

namespace vkr {
namespace {

using namespace picture;

constexpr int kNameWidth = kBoxWidth - kNumberWidth - 24;  // room left of the winner's mark

struct TBracketColours {
  const char *Band, *Stripe, *Title;
};
constexpr TBracketColours kColours[kBrackets] = {
    {"#eef3fa", "#c9d9ee", "Winners bracket"},
    {"#fbf1e8", "#f3d6bd", "One-loss bracket"},
    {"#f3eef9", "#ddd0ee", "Two-loss bracket"},
};

struct TLinkStyle {
  const char* Attributes;
  int Channel;  // how far before the next table the line turns
};
constexpr TLinkStyle kLinkStyles[] = {
    {R"(stroke="#3b6ea5" stroke-width="1.6")", 28},
    {R"(class="loser" stroke="#d0691e" stroke-width="1.2" stroke-dasharray="6 4" opacity="0.8")", 16},
    {R"(class="loser" stroke="#8a5cc2" stroke-width="1.2" stroke-dasharray="6 4" opacity="0.8")", 9},
};
constexpr int kLanes = 4, kLaneWidth = 8;

// Where a line into a table turns. The winners bracket is a tree whose lines
// meet in pairs; elsewhere lines into neighbouring tables turn in different
// lanes, so that their vertical runs do not merge into one.
int TurnX(const TPictureBox& to, TLinkKind kind) {
  const int lane = kind == TLinkKind::Winner && to.Table.Bracket != Winners ? (to.Y / kRowPitch) % kLanes : 0;
  return to.X - kLinkStyles[static_cast<size_t>(kind)].Channel - lane * kLaneWidth;
}

// A text element that shrinks a long name into `width` rather than let it run out of its box.
void AppendFitted(std::string& out, int x, int y, const std::string& cp1252, const std::string& attributes, int width,
                  double charWidth) {
  out += Sprintf(R"(<text x="%d" y="%d")", x, y) + attributes;
  if (static_cast<double>(cp1252.size()) * charWidth > width) {
    out += Sprintf(R"( textLength="%d" lengthAdjust="spacingAndGlyphs")", width);
  }
  out += ">" + XmlText(cp1252) + "</text>";
}

std::string EntryNameAt(const TModel& m, int16_t entry) {
  return entry >= 0 && entry < m.PlayerCount() ? m.Player(entry).Name : std::string("?");
}

class TSvgWriter {
 public:
  TSvgWriter(const TTourney& t, const TPictureLayout& layout, std::string& out) : FT(t), FL(layout), FOut(out) {}

  void Caption(const TPictureTitle& title) {
    FOut += R"(<text x="16" y="30" font-size="20" font-weight="bold" fill="#1c2733">)" + XmlText(title.Name) +
            "</text>";
    std::string details = title.Date;
    if (!title.Host.empty()) details += (details.empty() ? "" : "   \xB7   ") + std::string("Host: ") + title.Host;
    FOut += R"(<text x="16" y="50" fill="#4a5561">)" + XmlText(details) + "</text>";
  }

  void Legend(int y) {
    FOut += Sprintf(R"(<g font-size="11" fill="#4a5561"><path d="M16 %d h28" fill="none" %s/>)", y - 4,
                    kLinkStyles[0].Attributes);
    FOut += Sprintf(R"(<text x="50" y="%d">winner's next table</text>)", y);
    int x = 190;
    if (FT.ElimFormat != ElimSingle) {
      FOut += Sprintf(R"(<path d="M%d %d h28" fill="none" %s/>)", x, y - 4, kLinkStyles[1].Attributes);
      FOut += Sprintf(R"(<text x="%d" y="%d">loser's next table</text>)", x + 34, y);
      x += 160;
    }
    FOut += Sprintf(R"(<rect x="%d" y="%d" width="24" height="12" fill="#dcefd8" stroke="#8d99ab"/>)", x, y - 10);
    FOut += Sprintf(R"(<path d="M%d %d l6 4 l-6 4 z" fill="#2e8b3a"/>)", x + 15, y - 8);
    FOut += Sprintf(R"(<text x="%d" y="%d">winner</text>)", x + 30, y);
    x += 90;
    FOut += Sprintf(R"(<rect x="%d" y="%d" width="24" height="12" fill="#fff" stroke="#1f77d0" stroke-width="2"/>)", x,
                    y - 10);
    FOut += Sprintf(R"(<text x="%d" y="%d">being played</text>)", x + 30, y);
    FOut += "</g>";
  }

  void Bands() {
    for (const TPictureBand& band : FL.Bands) {
      const TBracketColours& c = kColours[band.Bracket];
      FOut += Sprintf(R"(<rect x="8" y="%d" width="%d" height="%d" rx="6" fill="%s"/>)", band.Top, FL.Width - 16,
                      band.BoxTop + band.Height - band.Top, c.Band);
      const char* title = FT.ElimFormat == ElimSingle && band.Bracket == Winners ? "Bracket" : c.Title;
      FOut += Sprintf(R"(<text x="%d" y="%d" font-size="15" font-weight="bold" fill="#1c2733">%s</text>)", kMargin,
                      band.Top + 20, title);
      for (const TPictureHeader& h : band.Headers) {
        FOut += Sprintf(R"(<text x="%d" y="%d" font-size="11" fill="#55606c">)", ColumnX(h.Column), band.Top + 38) +
                XmlText(h.Text) + "</text>";
      }
    }
  }

  void Links() {
    for (size_t kind = 0; kind < std::size(kLinkStyles); ++kind) {
      std::string paths;
      for (const TPictureLink& link : FL.Links) {
        if (static_cast<size_t>(link.Kind) != kind) continue;
        const TPictureBox &from = FL.Boxes[static_cast<size_t>(link.From)], &to = FL.Boxes[static_cast<size_t>(link.To)];
        paths += Sprintf(R"(<path d="M%d %dH%dV%dH%d"/>)", from.X + kBoxWidth, SeatY(from, link.FromSeat),
                         TurnX(to, link.Kind), SeatY(to, link.ToSeat), to.X);
      }
      if (!paths.empty()) FOut += Sprintf(R"(<g fill="none" %s>)", kLinkStyles[kind].Attributes) + paths + "</g>";
    }
    if (FL.FinalBox >= 0) {
      const TPictureBox& final = FL.Boxes[static_cast<size_t>(FL.FinalBox)];
      const int y = SeatY(final, FT.Model.Table(final.Table).Result - 1);
      FOut += Sprintf(R"(<path d="M%d %dH%dV%dH%d" fill="none" %s/>)", final.X + kBoxWidth, y,
                      FL.ChampionX - kLinkStyles[0].Channel, FL.ChampionY + kBoxHeight / 2, FL.ChampionX,
                      kLinkStyles[0].Attributes);
    }
  }

  void Boxes() {
    for (const TPictureBox& box : FL.Boxes) Box(box);
  }

  void Champion() {
    if (FL.FinalBox < 0) return;
    const int x = FL.ChampionX, y = FL.ChampionY;
    const TTable& final = FT.Model.Table(FL.Boxes[static_cast<size_t>(FL.FinalBox)].Table);
    FOut += Sprintf(R"(<g><rect x="%d" y="%d" width="%d" height="%d" rx="4" fill="#fff3c4" stroke="#c99a1c" stroke-width="1.5"/>)",
                    x, y - 6, kBoxWidth, kBoxHeight + 12);
    FOut += Sprintf(R"(<text x="%d" y="%d" font-size="10" fill="#8a6d12">CHAMPION</text>)", x + 10, y + 8);
    AppendFitted(FOut, x + 10, y + 29, EntryNameAt(FT.Model, final.Winner()),
                 R"( font-size="15" font-weight="bold" fill="#1c2733")", kBoxWidth - 20, 9.5);
    FOut += "</g>";
  }

 private:
  void Box(const TPictureBox& box) {
    const TModel& m = FT.Model;
    const TTable& table = m.Table(box.Table);
    const int x = box.X, y = box.Y;
    const bool running = table.StartTime > 0 && table.Result == 0 && table.SeatTaken(0) && table.SeatTaken(1);
    const bool empty = !table.SeatTaken(0) && !table.SeatTaken(1);
    const char* border = running ? R"(stroke="#1f77d0" stroke-width="2")"
                                 : empty ? R"(stroke="#b9c1cc" stroke-dasharray="4 3")" : R"(stroke="#8d99ab")";
    FOut += "<g><title>" + XmlText(Tooltip(box, table)) + "</title>";
    FOut += Sprintf(R"(<rect x="%d" y="%d" width="%d" height="%d" fill="#fff" %s/>)", x, y, kBoxWidth, kBoxHeight,
                    border);
    FOut += Sprintf(R"(<rect x="%d" y="%d" width="%d" height="%d" fill="%s"/>)", x + 1, y + 1, kNumberWidth - 1,
                    kBoxHeight - 2, kColours[box.Table.Bracket].Stripe);
    FOut += Sprintf(R"(<text x="%d" y="%d" text-anchor="middle" font-weight="bold" fill="#1c2733">%d</text>)",
                    x + kNumberWidth / 2, y + kRowHeight + 5, table.Number);
    FOut += Sprintf(R"(<path d="M%d %dh%d" stroke="#e1e5eb"/>)", x + kNumberWidth, y + kRowHeight,
                    kBoxWidth - kNumberWidth - 1);
    for (int seat = 0; seat < 2; ++seat) Seat(box, table, seat);
    FOut += "</g>";
  }

  void Seat(const TPictureBox& box, const TTable& table, int seat) {
    const int x = box.X + kNumberWidth, y = box.Y + seat * kRowHeight, baseline = y + 15;
    if (!table.SeatTaken(seat)) {
      // A won table's empty seat was a bye; so is the second seat of the bye table.
      const bool bye = table.Decided() || (seat == 1 && FT.Model.IsByeTable(box.Table));
      FOut += Sprintf(R"(<text x="%d" y="%d" font-style="italic" fill="#9aa3ad">%s</text>)", x + 8, baseline,
                      bye ? "bye" : "\xE2\x80\x94");
      return;
    }
    const std::string name = EntryNameAt(FT.Model, table.Seat[seat]);
    if (table.Result == seat + 1) {
      FOut += Sprintf(R"(<rect x="%d" y="%d" width="%d" height="%d" fill="#dcefd8"/>)", x, y + 1,
                      kBoxWidth - kNumberWidth - 1, kRowHeight - 1);
      FOut += Sprintf(R"(<path d="M%d %d l7 5 l-7 5 z" fill="#2e8b3a"/>)", box.X + kBoxWidth - 14, y + 5);
      AppendFitted(FOut, x + 8, baseline, name, R"( font-weight="bold" fill="#1c2733")", kNameWidth, 7.8);
    } else if (table.Result != 0) {
      const char* quit = table.Result == 4 ? R"( text-decoration="line-through")" : "";
      AppendFitted(FOut, x + 8, baseline, name, std::string(R"( fill="#8a8f96")") + quit, kNameWidth, 7.2);
    } else {
      AppendFitted(FOut, x + 8, baseline, name, R"( fill="#1c2733")", kNameWidth, 7.2);
    }
  }

  std::string Tooltip(const TPictureBox& box, const TTable& table) const {
    const TModel& m = FT.Model;
    std::string text = Sprintf("Table %d, %s, round %d: ", table.Number, kColours[box.Table.Bracket].Title,
                               box.Table.Round + 1);
    for (int seat = 0; seat < 2; ++seat) {
      if (seat == 1) text += " v ";
      text += table.SeatTaken(seat) ? EntryNameAt(m, table.Seat[seat]) : std::string("(none)");
    }
    if (table.Decided()) text += " \x97 " + EntryNameAt(m, table.Winner()) + " won";
    else if (table.Result == 4) text += " \x97 both quit";
    return text;
  }

  const TTourney& FT;
  const TPictureLayout& FL;
  std::string& FOut;
};

}  // namespace

TPictureTitle PictureTitle(const TTourney& t) {
  TPictureTitle title;
  title.Name = CurrentFormatName(t);
  if (t.Ports.Clock) title.Date = TournamentDateText(t);
  if (!t.Context.StartTimeText.empty()) title.Date += (title.Date.empty() ? "" : " ") + t.Context.StartTimeText;
  title.Host = t.Context.HostName;
  if (!t.Format.HostPlayerName.empty()) title.Host += " (" + t.Format.HostPlayerName + ")";
  if (!t.Context.CoHostName.empty()) {
    title.Host += ", co-host " + t.Context.CoHostName;
    if (!t.Format.CoHostPlayerName.empty()) title.Host += " (" + t.Format.CoHostPlayerName + ")";
  }
  return title;
}

std::string BracketSvgElement(const TTourney& t, bool caption) {
  const int legendY = caption ? 74 : 22;
  const TPictureLayout layout = LayOutPicture(t, legendY + 16);
  std::string out;
  out.reserve(1024 + layout.Boxes.size() * 900 + layout.Links.size() * 48);
  out += Sprintf(R"(<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d" )",
                 layout.Width, layout.Height, layout.Width, layout.Height);
  out += R"(font-family="DejaVu Sans, Verdana, Arial, sans-serif" font-size="12">)";
  out += R"(<rect width="100%" height="100%" fill="#ffffff"/>)";
  TSvgWriter writer(t, layout, out);
  if (caption) writer.Caption(PictureTitle(t));
  writer.Legend(legendY);
  writer.Bands();
  writer.Links();
  writer.Boxes();
  writer.Champion();
  out += "</svg>\n";
  return out;
}

std::string BracketPictureSvg(const TTourney& t) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + BracketSvgElement(t, true);
}

}  // namespace vkr
