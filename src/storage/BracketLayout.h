#pragma once
// Where each table of a tournament stands in the whole-bracket picture: one
// band per bracket, one column per round in the order the rounds are played,
// and the tables of a column ordered after the tables that feed them, so that
// few lines cross.
#include <string>
#include <vector>

#include "engine/Model.h"

namespace vkr {

struct TTourney;

// The picture's grid in SVG user units (pixels at 100 %).
namespace picture {
constexpr int kMargin = 16;
constexpr int kBoxWidth = 184;
constexpr int kNumberWidth = 40;  // the table-number stripe at a box's left
constexpr int kRowHeight = 21;    // one seat; a box holds two
constexpr int kBoxHeight = 2 * kRowHeight;
constexpr int kColumnGap = 72;
constexpr int kRowPitch = 54;
constexpr int kBandHead = 46;  // the bracket's title and the round headers
constexpr int kBandGap = 20;
}  // namespace picture

enum class TLinkKind { Winner, LoserToOneLoss, LoserToTwoLoss };

struct TPictureBox {
  TTableRef Table;
  int Column = 0;
  int X = 0, Y = 0;  // top left corner
};

// An entry's way from one table to its next.
struct TPictureLink {
  int From = 0, To = 0;  // box indexes
  int FromSeat = 0, ToSeat = 0;
  TLinkKind Kind = TLinkKind::Winner;
};

struct TPictureHeader {
  int Column = 0;
  std::string Text;  // Windows-1252
};

struct TPictureBand {
  int Bracket = Winners;
  int Top = 0;                 // where the title stands
  int BoxTop = 0, Height = 0;  // the boxes' area
  std::vector<TPictureHeader> Headers;
};

struct TPictureLayout {
  int Width = 0, Height = 0;
  std::vector<TPictureBand> Bands;
  std::vector<TPictureBox> Boxes;
  std::vector<TPictureLink> Links;
  int FinalBox = -1;  // the deciding table's box once it is decided; the champion follows it
  int ChampionX = 0, ChampionY = 0;
};

int ColumnX(int column);
// The middle of a seat's row in a box.
int SeatY(const TPictureBox& box, int seat);

// Lays the tournament out below `top`. Before sign-ups close only the tables
// that hold someone are drawn; after, every table in play as well.
TPictureLayout LayOutPicture(const TTourney& t, int top);

}  // namespace vkr
