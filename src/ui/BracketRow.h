#pragma once
// One row of a bracket view: a table with its number, match time and two
// seats (name box, Win, boot and Copy buttons, next table). Rows are created
// once and then only re-texted, moved, shown and hidden.
#include <QWidget>
#include <array>
#include <functional>

#include "timing/TimingState.h"
#include "ui/RowLook.h"

class QToolButton;

namespace vkr {

class TBracketRow : public QWidget {
  Q_OBJECT

 public:
  TBracketRow(int bracket, int row, QWidget* parent);

  int Row() const { return FRow; }
  // Repaints only when the look changed.
  void SetLook(const TRowLook& look);
  const TRowLook& Look() const { return FLook; }
  void SetTime(const TTimeLabel& label);
  const TTimeLabel& Time() const { return FTime; }
  // The time label's hint, asked for only when it is shown.
  void SetTimeHint(std::function<QString()> hint) { FTimeHint = std::move(hint); }
  QString TimeHint() const { return FTimeHint ? FTimeHint() : QString(); }
  void SetWinDown(int seat, bool down);
  QToolButton* WinButton(int seat) const { return FWin[static_cast<size_t>(seat)]; }
  QToolButton* CopyButton(int seat) const { return FCopy[static_cast<size_t>(seat)]; }
  // The name box of a seat and the table number, in row coordinates.
  QRect NameRect(int seat) const;
  QRect NumberRect() const;
  QRect TimeRect() const;

 signals:
  void WinClicked(int row, int seat, bool down);
  void CopyClicked(int row, int seat);
  void NameClicked(int row, int seat);
  void PlayerMenuRequested(int row, int seat, bool onWinButton, QPoint globalPos);
  void BootClicked(int row, int seat);
  void BootMenuRequested(int row, int seat, QPoint globalPos);
  void TableMenuRequested(int row, QPoint globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void ApplyButtons();
  QColor BoxColour(TBoxColour colour) const;
  int SeatAt(QPoint pos) const;

  int FBracket;
  int FRow;
  TRowLook FLook;
  TTimeLabel FTime;
  std::function<QString()> FTimeHint;
  std::array<QToolButton*, 2> FWin{}, FBoot{}, FCopy{};
};

}  // namespace vkr
