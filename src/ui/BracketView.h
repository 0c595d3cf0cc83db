#pragma once
// One bracket panel: its label and minimise button, the strip of round tabs,
// the column captions and the rows of the round shown. Drawn from the
// tournament on request; clicks go straight to the core operations.
#include <QFrame>
#include <array>
#include <string>
#include <vector>

#include "engine/Model.h"
#include "timing/TimingState.h"

class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;

namespace vkr {

struct TTourney;
class TBracketRow;
class TRoundTabBar;

class TBracketView : public QFrame {
  Q_OBJECT

 public:
  TBracketView(TTourney& t, int bracket, QWidget* parent);

  int Bracket() const { return FBracket; }
  int ShownRound() const;
  // Redraws when the round is the one shown.
  void RedrawRound(int round);
  void Redraw();
  void RebuildTabs();
  void RepaintTabs();
  // Switches to the round's tab and scrolls the table's row to the top.
  void ShowTable(int round, int tableIndex);
  void SetWinButton(int round, int tableIndex, int seat, bool down);
  void ScrollToRow(int row);
  // Commits an open name box as leaving it does.
  void CommitNameEdit();

  QToolButton* MinimiseButton() const { return FMinimise; }
  void SetTabsShown(bool shown);
  // The height of the panel with its tabs hidden.
  int MinimisedHeight() const;
  TRoundTabBar* Tabs() const { return FTabs; }
  QLineEdit* NameEdit() const { return FNameEdit; }
  // The row widget of a table index; null when not built yet.
  TBracketRow* RowWidget(int tableIndex) const;
  // The time labels of the rows shown, one per table index.
  void SetTimes(const std::array<TTimeLabel, kTablesPerRound>& labels);

 signals:
  void PlayerMenuRequested(int bracket, int round, int tableIndex, int seat, bool onWinButton, QPoint globalPos);
  void BootMenuRequested(int bracket, int round, int tableIndex, int seat, QPoint globalPos);
  void TableMenuRequested(int bracket, int round, int tableIndex, QPoint globalPos);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void EnsureRows(int count);
  void TabChanged(int tab);
  int TopRow() const;
  void NameClicked(int row, int seat);
  void EditTeam(TBracketRow* widget, int row, int seat);
  void NameEditDone(bool enter);
  const char* BracketWord() const;

  TTourney& T;
  int FBracket;
  QLabel* FLabel;
  QToolButton* FMinimise;
  QWidget* FTabPage;
  TRoundTabBar* FTabs;
  QWidget* FHeader;
  QScrollArea* FBox;
  QWidget* FRows;
  QLineEdit* FNameEdit;
  std::vector<TBracketRow*> FRowWidgets;
  std::vector<std::string> FCaptions;
  std::array<int, kRounds> FSavedTopRow{};
  int FTab = 0;             // the tab whose top row is remembered when left
  bool FSilentTabs = false;  // the tabs change by a redraw, not by the host
  int FEditRow = -1, FEditSeat = 0, FEditRound = 0;
};

}  // namespace vkr
