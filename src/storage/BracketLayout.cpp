#include "storage/BracketLayout.h"

#include <algorithm>
#include <array>

#include "engine/Structure.h"
#include "engine/Tourney.h"

namespace vkr {
namespace {

using namespace picture;

constexpr int kNoBox = -1;

bool InModel(TTableRef r) {
  return r.Bracket >= 0 && r.Bracket < kBrackets && r.Round >= 0 && r.Round < kRounds && r.Index >= 0 &&
         r.Index < kTablesPerRound;
}

size_t Key(TTableRef r) { return static_cast<size_t>((r.Bracket * kRounds + r.Round) * kTablesPerRound + r.Index); }

// A decisive round index as a valid round (a damaged file may hold anything).
int FinalRound(const TModel& m, TFinal which) { return std::clamp(m.Final(which), 0, kRounds - 1); }

// The column of a table: its round, except for the tables that wait for a
// lower bracket's champion, which are played after that bracket's final.
int ColumnOf(const TTourney& t, TTableRef r) {
  const TModel& m = t.Model;
  const int grandFinal = FinalRound(m, TFinal::GrandFinal);
  const bool isGrandFinal = r.Bracket == Winners && grandFinal > 0 && r.Round == grandFinal;
  if (t.ElimFormat == ElimDouble && isGrandFinal) return std::max(grandFinal, FinalRound(m, TFinal::OneLossFinal) + 1);
  if (t.ElimFormat == ElimTriple) {
    const int oneLossLast = FinalRound(m, TFinal::OneLossLast);
    const int oneLossLastColumn = std::max(oneLossLast, FinalRound(m, TFinal::TwoLossFinal) + 1);
    if (r.Bracket == OneLoss && oneLossLast > 0 && r.Round == oneLossLast) return oneLossLastColumn;
    if (isGrandFinal) return std::max(grandFinal, oneLossLastColumn + 1);
  }
  return r.Round;
}

// A table someone sat at, or, once sign-ups are closed, one in play in a round
// the brackets still play (rounds after a bracket's final may keep counts of
// an earlier layout).
bool Drawn(const TTourney& t, TTableRef r) {
  const TTable& table = t.Model.Table(r);
  if (table.SeatTaken(0) || table.SeatTaken(1) || table.Result != 0) return true;
  const int inPlay = std::clamp(t.Model.Round(r.Bracket, r.Round).TableCount, 0, kTablesPerRound);
  return t.SignupsClosed && r.Index < inPlay && r.Round <= LastTabRound(t, r.Bracket);
}

std::string HeaderText(const TTourney& t, int bracket, int round) {
  const std::string label = RoundLabel(t, round, bracket);
  std::string text = "Round " + std::to_string(round + 1);
  if (label == "GF") return text + (t.ElimFormat == ElimSingle ? " \xB7 Final" : " \xB7 Grand final");
  if (label == "WF") return text + " \xB7 Winners' final";
  if (label == "SF") return text + " \xB7 Semi-final";
  if (label == "QF") return text + " \xB7 Quarter-final";
  return text;
}

class TLayoutBuilder {
 public:
  TLayoutBuilder(const TTourney& t, TPictureLayout& out) : FT(t), FOut(out) { FBoxOf.fill(kNoBox); }

  void CollectBoxes() {
    const TModel& m = FT.Model;
    std::array<bool, kBrackets> used{};
    for (int b = 0; b < kBrackets; ++b) used[static_cast<size_t>(b)] = b <= FT.ElimFormat;
    for (const TPlayer& p : m.Players()) {
      for (const TTableRef& r : p.Tables) {
        if (InModel(r)) used[static_cast<size_t>(r.Bracket)] = true;
      }
    }
    for (int b = 0; b < kBrackets; ++b) {
      if (!used[static_cast<size_t>(b)]) continue;
      for (int r = 0; r < kRounds; ++r) {
        for (int i = 0; i < kTablesPerRound; ++i) {
          const TTableRef ref = TTableRef::Of(b, r, i);
          if (!Drawn(FT, ref)) continue;
          FBoxOf[Key(ref)] = static_cast<int>(FOut.Boxes.size());
          FOut.Boxes.push_back({ref, ColumnOf(FT, ref), 0, 0});
        }
      }
    }
  }

  // Every entry's step from one slot's table to the next.
  void CollectLinks() {
    const TModel& m = FT.Model;
    for (int e = 0; e < m.PlayerCount(); ++e) {
      const TPlayer& p = m.Player(e);
      for (int k = 0; k + 1 < kSlots; ++k) {
        const int from = BoxOf(p.Tables[static_cast<size_t>(k)]), to = BoxOf(p.Tables[static_cast<size_t>(k + 1)]);
        if (from == kNoBox || to == kNoBox) continue;
        const TTable& table = m.Table(p.Tables[static_cast<size_t>(k)]);
        TLinkKind kind = TLinkKind::Winner;
        if (table.Loser() == e) {
          kind = p.Tables[static_cast<size_t>(k + 1)].Bracket == TwoLoss ? TLinkKind::LoserToTwoLoss
                                                                           : TLinkKind::LoserToOneLoss;
        }
        FOut.Links.push_back({from, to, p.Seats[static_cast<size_t>(k)] & 1, p.Seats[static_cast<size_t>(k + 1)] & 1,
                              kind});
      }
    }
  }

  void FindFinal() {
    const TModel& m = FT.Model;
    const int box = BoxOf(TTableRef::Of(Winners, FinalRound(m, TFinal::GrandFinal), 0));
    if (!FT.SignupsClosed || box == kNoBox || !m.Table(Box(box).Table).Decided()) return;
    FOut.FinalBox = box;
  }

  // Bands from top to bottom; within them the columns from left to right, so
  // that every table's feeders stand before it is placed.
  void Place(int top) {
    int lastColumn = 0;
    for (const TPictureBox& box : FOut.Boxes) lastColumn = std::max(lastColumn, box.Column);
    if (FOut.FinalBox != kNoBox) lastColumn = std::max(lastColumn, Box(FOut.FinalBox).Column + 1);
    const size_t columns = static_cast<size_t>(lastColumn) + 1;
    // Boxes by band and column; a bracket without a table to draw has no band.
    std::vector<std::vector<std::vector<int>>> cells;
    std::vector<int> brackets;
    for (int i = 0; i < static_cast<int>(FOut.Boxes.size()); ++i) {
      const TPictureBox& box = Box(i);
      if (brackets.empty() || brackets.back() != box.Table.Bracket) {
        brackets.push_back(box.Table.Bracket);
        cells.emplace_back(columns);
      }
      cells.back()[static_cast<size_t>(box.Column)].push_back(i);
    }
    int y = top;
    for (size_t b = 0; b < cells.size(); ++b) {
      size_t rows = 1;
      for (const auto& cell : cells[b]) rows = std::max(rows, cell.size());
      TPictureBand band{brackets[b], y, y + kBandHead, static_cast<int>(rows) * kRowPitch, {}};
      for (size_t c = 0; c < columns; ++c) {
        if (cells[b][c].empty()) continue;
        const TTableRef first = Box(cells[b][c].front()).Table;
        band.Headers.push_back({static_cast<int>(c), HeaderText(FT, first.Bracket, first.Round)});
      }
      FOut.Bands.push_back(band);
      y = band.BoxTop + band.Height + kBandGap;
    }
    if (FOut.FinalBox != kNoBox) FOut.Bands.front().Headers.push_back({lastColumn, "Champion"});
    FIncoming.assign(FOut.Boxes.size(), {});
    FOutgoing.assign(FOut.Boxes.size(), {});
    for (const TPictureLink& link : FOut.Links) {
      FIncoming[static_cast<size_t>(link.To)].push_back(&link);
      FOutgoing[static_cast<size_t>(link.From)].push_back(&link);
    }
    FPlaced.assign(FOut.Boxes.size(), false);
    // Tables ordered after their feeders, then the first rounds after where
    // their entries went, then the rest again after them.
    for (bool forward : {true, false, true}) {
      for (size_t n = 0; n < columns; ++n) {
        const size_t c = forward ? n : columns - 1 - n;
        for (size_t b = 0; b < cells.size(); ++b) PlaceCell(cells[b][c], FOut.Bands[b], forward);
      }
    }
    if (FOut.FinalBox != kNoBox) {
      const TPictureBox& final = Box(FOut.FinalBox);
      FOut.ChampionX = ColumnX(final.Column + 1);
      FOut.ChampionY = final.Y;
    }
    FOut.Width = ColumnX(lastColumn + 1) - kColumnGap + kMargin;
    FOut.Height = std::max(y - kBandGap, top) + kMargin;
  }

 private:
  int BoxOf(TTableRef r) const { return InModel(r) ? FBoxOf[Key(r)] : kNoBox; }
  TPictureBox& Box(int i) { return FOut.Boxes[static_cast<size_t>(i)]; }

  // Orders a column's boxes by the rows of the tables linked to them on one
  // side, then spreads them evenly over the band.
  void PlaceCell(const std::vector<int>& cell, const TPictureBand& band, bool byFeeders) {
    if (cell.empty()) return;
    std::vector<std::pair<double, int>> order;
    for (int box : cell) order.emplace_back(SortKey(box, band, byFeeders), box);
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const double pitch = static_cast<double>(band.Height) / static_cast<double>(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
      TPictureBox& box = Box(order[i].second);
      box.X = ColumnX(box.Column);
      box.Y = band.BoxTop + static_cast<int>((static_cast<double>(i) + 0.5) * pitch) - kBoxHeight / 2;
      FPlaced[static_cast<size_t>(order[i].second)] = true;
    }
  }

  // The mean height, as a share of its band, of the rows linked to the box
  // (the feeders' or the next tables'), those in the same band first; else
  // where the box stands already; else its table order, after the rest.
  double SortKey(int box, const TPictureBand& band, bool byFeeders) {
    double same = 0, other = 0;
    int sameCount = 0, otherCount = 0;
    for (const TPictureLink* link : (byFeeders ? FIncoming : FOutgoing)[static_cast<size_t>(box)]) {
      const int far = byFeeders ? link->From : link->To;
      if (!FPlaced[static_cast<size_t>(far)]) continue;
      const TPictureBox& to = Box(far);
      const double share = Share(SeatY(to, byFeeders ? link->FromSeat : link->ToSeat), BandOf(to.Table.Bracket));
      if (to.Table.Bracket == band.Bracket) same += share, ++sameCount;
      else other += share, ++otherCount;
    }
    if (sameCount > 0) return same / sameCount;
    if (otherCount > 0) return other / otherCount;
    if (FPlaced[static_cast<size_t>(box)]) return Share(Box(box).Y + kBoxHeight / 2, band);
    return 2.0 + Box(box).Table.Index;
  }

  static double Share(int y, const TPictureBand& band) {
    return static_cast<double>(y - band.BoxTop) / static_cast<double>(band.Height);
  }

  const TPictureBand& BandOf(int bracket) const {
    return *std::find_if(FOut.Bands.begin(), FOut.Bands.end(), [&](const TPictureBand& b) { return b.Bracket == bracket; });
  }

  const TTourney& FT;
  TPictureLayout& FOut;
  std::array<int, static_cast<size_t>(kBrackets * kRounds * kTablesPerRound)> FBoxOf{};
  std::vector<std::vector<const TPictureLink*>> FIncoming, FOutgoing;  // by box
  std::vector<bool> FPlaced;
};

}  // namespace

int ColumnX(int column) { return kMargin + column * (kBoxWidth + kColumnGap); }

int SeatY(const TPictureBox& box, int seat) { return box.Y + seat * kRowHeight + kRowHeight / 2; }

TPictureLayout LayOutPicture(const TTourney& t, int top) {
  TPictureLayout layout;
  TLayoutBuilder builder(t, layout);
  builder.CollectBoxes();
  builder.CollectLinks();
  builder.FindFinal();
  builder.Place(top);
  return layout;
}

}  // namespace vkr
