#include "ui/BracketView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "engine/CopySeat.h"
#include "engine/Results.h"
#include "engine/SignUp.h"
#include "engine/Structure.h"
#include "engine/Tourney.h"
#include "qt/QtText.h"
#include "storage/ActionLog.h"
#include "timing/Boots.h"
#include "timing/ClockPort.h"
#include "timing/MatchClock.h"
#include "ui/BracketRow.h"
#include "ui/RoundTabBar.h"
#include "ui/RowLook.h"
#include "ui/ViewMetrics.h"
#include "ui/uTeam.h"

namespace vkr {
namespace {

const char* const kLabels[kBrackets] = {"Winner Rounds:", "One Loss Rounds:", "Two Loss Rounds:"};
const char* const kNames[kBrackets] = {"Winners", "OneLoss", "TwoLoss"};
const int kTabWidths[kBrackets] = {28, 28, 26};

// The column captions above the rows.
class THeaderStrip : public QWidget {
 public:
  THeaderStrip(std::function<QString()> nextCaption, QWidget* parent)
      : QWidget(parent), FNextCaption(std::move(nextCaption)) {
    setFixedHeight(Scaled(kHeaderHeight));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int h = height() - 1;
    p.drawText(QRect(0, 0, Scaled(30), h), Qt::AlignCenter, QStringLiteral("Table"));
    p.drawText(QRect(Scaled(kNameLeft), 0, Scaled(kNameWidth), h), Qt::AlignCenter, QStringLiteral("Player name"));
    p.drawText(QRect(Scaled(kWinLeft) - Scaled(4), 0, Scaled(kWinWidth) + Scaled(8), h), Qt::AlignCenter,
               QStringLiteral("Win"));
    p.drawText(QRect(Scaled(kNextLeft), 0, Scaled(kNextWidth), h), Qt::AlignCenter, FNextCaption());
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, h, width(), h);
  }

 private:
  std::function<QString()> FNextCaption;
};

}  // namespace

TBracketView::TBracketView(TTourney& t, int bracket, QWidget* parent) : QFrame(parent), T(t), FBracket(bracket) {
  static const char* const kPanels[kBrackets] = {"WinnersPanel", "OneLossPanel", "TwoLossPanel"};
  static const char* const kButtons[kBrackets] = {"MinMaxWinnersButton", "MinMaxOneLossButton",
                                                   "MinMaxTwoLossButton"};
  setObjectName(QString::fromLatin1(kPanels[bracket]));
  setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(Scaled(3), Scaled(2), Scaled(3), Scaled(3));
  layout->setSpacing(Scaled(2));

  auto* top = new QHBoxLayout;
  FLabel = new QLabel(QString::fromLatin1(kLabels[bracket]), this);
  QFont bold = FLabel->font();
  bold.setBold(true);
  FLabel->setFont(bold);
  FLabel->installEventFilter(this);
  FMinimise = new QToolButton(this);
  FMinimise->setObjectName(QString::fromLatin1(kButtons[bracket]));
  FMinimise->setCheckable(true);
  FMinimise->setFixedSize(Scaled(13) + 2, Scaled(13) + 2);
  FMinimise->setArrowType(Qt::UpArrow);
  FMinimise->setToolTip(QStringLiteral("Minimise"));
  FMinimise->setFocusPolicy(Qt::NoFocus);
  connect(FMinimise, &QToolButton::toggled, this,
          [this](bool down) { FMinimise->setArrowType(down ? Qt::DownArrow : Qt::UpArrow); });
  top->addWidget(FLabel);
  top->addStretch();
  top->addWidget(FMinimise);
  layout->addLayout(top);

  FTabPage = new QWidget(this);
  auto* page = new QVBoxLayout(FTabPage);
  page->setContentsMargins(0, 0, 0, 0);
  page->setSpacing(0);
  FTabs = new TRoundTabBar(kTabWidths[bracket], FTabPage);
  static const char* const kTabs[kBrackets] = {"WinnersTabs", "OneLossTabs", "TwoLossTabs"};
  FTabs->setObjectName(QString::fromLatin1(kTabs[bracket]));
  FTabs->SetCompleteQuery([this](int tab) { return RoundComplete(T, FBracket, tab + FirstTabRound(FBracket)); });
  connect(FTabs, &QTabBar::currentChanged, this, &TBracketView::TabChanged);
  FHeader = new THeaderStrip([this] { return ToQt(NextColumnCaption(FCaptions, FTabs->currentIndex())); }, FTabPage);
  FBox = new QScrollArea(FTabPage);
  static const char* const kBoxes[kBrackets] = {"WinnersBox", "OneLossBox", "TwoLossBox"};
  FBox->setObjectName(QString::fromLatin1(kBoxes[bracket]));
  FBox->setFrameShape(QFrame::NoFrame);
  FBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FBox->viewport()->installEventFilter(this);
  FRows = new QWidget;
  FRows->resize(Scaled(kViewWidth) - 36, 0);
  FBox->setWidget(FRows);
  FBox->setWidgetResizable(false);
  FNameEdit = new QLineEdit(FRows);
  static const char* const kEdits[kBrackets] = {"WinnersPlayerEdit", "OneLossPlayerEdit", "TwoLossPlayerEdit"};
  FNameEdit->setObjectName(QString::fromLatin1(kEdits[bracket]));
  FNameEdit->setMaxLength(15);
  FNameEdit->hide();
  FNameEdit->installEventFilter(this);
  page->addWidget(FTabs);
  page->addWidget(FHeader);
  page->addWidget(FBox, 1);
  layout->addWidget(FTabPage, 1);
  setMinimumWidth(Scaled(kViewWidth) / 2);
}

const char* TBracketView::BracketWord() const { return kNames[FBracket]; }

int TBracketView::ShownRound() const { return T.View.ShownRound[static_cast<size_t>(FBracket)]; }

int TBracketView::MinimisedHeight() const { return FLabel->sizeHint().height() + Scaled(4) + Scaled(5); }

void TBracketView::SetTabsShown(bool shown) {
  FTabPage->setVisible(shown);
  setMaximumHeight(shown ? QWIDGETSIZE_MAX : MinimisedHeight());
}

TBracketRow* TBracketView::RowWidget(int tableIndex) const {
  if (tableIndex < 0 || tableIndex >= static_cast<int>(FRowWidgets.size())) return nullptr;
  return FRowWidgets[static_cast<size_t>(tableIndex)];
}

void TBracketView::SetTimes(const std::array<TTimeLabel, kTablesPerRound>& labels) {
  for (size_t i = 0; i < FRowWidgets.size() && i < labels.size(); ++i) FRowWidgets[i]->SetTime(labels[i]);
}

void TBracketView::EnsureRows(int count) {
  while (static_cast<int>(FRowWidgets.size()) < count) {
    const int index = static_cast<int>(FRowWidgets.size());
    auto* row = new TBracketRow(FBracket, index, FRows);
    row->hide();
    row->SetTimeHint(
        [this, index] { return ToQt(TimeLabelHint(T, T.Model.Table(FBracket, ShownRound(), index))); });
    connect(row, &TBracketRow::WinClicked, this, [this](int i, int seat, bool down) {
      CommitNameEdit();
      WinButtonClick(T, TWinButton{FBracket, ShownRound(), i, seat}, down);
    });
    connect(row, &TBracketRow::CopyClicked, this,
            [this](int i, int seat) { CopyClick(T, FBracket, ShownRound(), i, seat); });
    connect(row, &TBracketRow::NameClicked, this, &TBracketView::NameClicked);
    connect(row, &TBracketRow::BootClicked, this,
            [this](int i, int seat) { BootButtonClick(T, TTableRef::Of(FBracket, ShownRound(), i), seat); });
    connect(row, &TBracketRow::BootMenuRequested, this, [this](int i, int seat, QPoint at) {
      emit BootMenuRequested(FBracket, ShownRound(), i, seat, at);
    });
    connect(row, &TBracketRow::TableMenuRequested, this,
            [this](int i, QPoint at) { emit TableMenuRequested(FBracket, ShownRound(), i, at); });
    connect(row, &TBracketRow::PlayerMenuRequested, this, [this](int i, int seat, bool onWin, QPoint at) {
      emit PlayerMenuRequested(FBracket, ShownRound(), i, seat, onWin, at);
    });
    FRowWidgets.push_back(row);
  }
}

void TBracketView::RedrawRound(int round) {
  if (round == ShownRound()) Redraw();
}

void TBracketView::Redraw() {
  if (!T.View.RowsBuilt[static_cast<size_t>(FBracket)]) return;
  const int round = ShownRound();
  if (round < 0 || round >= kRounds) return;
  const int count = std::clamp(T.Model.Round(FBracket, round).TableCount, 0, kSearchTables[FBracket]);
  EnsureRows(count);
  const TDateTime now = T.Ports.Clock->Now();
  int visible = 0;
  for (int i = 0; i < static_cast<int>(FRowWidgets.size()); ++i) {
    TBracketRow* row = FRowWidgets[static_cast<size_t>(i)];
    if (i >= count) {
      row->hide();
      continue;
    }
    const TRowLook look = RowLook(T, FBracket, round, i, now);
    row->SetLook(look);
    if (look.Hidden) {
      row->hide();
      continue;
    }
    const int top = RowTop(FBracket, visible);
    if (row->y() != top) row->move(0, top);
    if (row->isHidden()) row->show();
    ++visible;
  }
  // The times of the round now shown, without waiting for the next tick.
  UpdateViewTimes(T, now);
  SetTimes(T.Timing.RowLabels[static_cast<size_t>(FBracket)]);
  const int height = visible == 0 ? 0 : RowTop(FBracket, visible);
  if (FRows->height() != height) FRows->resize(FRows->width(), height);
  FHeader->update();
}

void TBracketView::RebuildTabs() {
  FCaptions = TabCaptions(T, FBracket);
  FSilentTabs = true;
  const int selected = std::clamp(ShownRound() - FirstTabRound(FBracket), 0,
                                  std::max(0, static_cast<int>(FCaptions.size()) - 1));
  while (FTabs->count() > static_cast<int>(FCaptions.size())) FTabs->removeTab(FTabs->count() - 1);
  for (size_t i = 0; i < FCaptions.size(); ++i) {
    const QString caption = ToQt(FCaptions[i]);
    if (static_cast<int>(i) < FTabs->count()) {
      if (FTabs->tabText(static_cast<int>(i)) != caption) FTabs->setTabText(static_cast<int>(i), caption);
    } else {
      FTabs->addTab(caption);
    }
  }
  FTabs->setCurrentIndex(selected);
  FTab = selected;
  FSilentTabs = false;
  T.View.ShownRound[static_cast<size_t>(FBracket)] = selected + FirstTabRound(FBracket);
  Redraw();
}

void TBracketView::RepaintTabs() { FTabs->update(); }

void TBracketView::TabChanged(int tab) {
  if (FSilentTabs || tab < 0) return;
  CommitNameEdit();
  if (FTab >= 0 && FTab < kRounds) FSavedTopRow[static_cast<size_t>(FTab)] = TopRow();
  FTab = tab;
  WriteLogLine(T, std::string("Click: ") + BracketWord() + " tab for round " + FTabs->tabText(tab).toStdString());
  T.View.ShownRound[static_cast<size_t>(FBracket)] = tab + FirstTabRound(FBracket);
  Redraw();
  ScrollToRow(tab < kRounds ? FSavedTopRow[static_cast<size_t>(tab)] : 0);
}

void TBracketView::ShowTable(int round, int tableIndex) {
  const int tab = round - FirstTabRound(FBracket);
  if (tab < 0 || tab >= FTabs->count()) return;
  if (tab != FTabs->currentIndex()) {
    if (FTab >= 0 && FTab < kRounds) FSavedTopRow[static_cast<size_t>(FTab)] = TopRow();
    FSilentTabs = true;
    FTabs->setCurrentIndex(tab);
    FSilentTabs = false;
    FTab = tab;
    T.View.ShownRound[static_cast<size_t>(FBracket)] = round;
    Redraw();
  }
  ScrollToRow(tableIndex);
}

void TBracketView::SetWinButton(int round, int tableIndex, int seat, bool down) {
  if (round != ShownRound()) return;
  if (TBracketRow* row = RowWidget(tableIndex)) row->SetWinDown(seat, down);
}

void TBracketView::ScrollToRow(int row) {
  int visible = 0;
  for (int i = 0; i < row && i < static_cast<int>(FRowWidgets.size()); ++i) {
    if (!FRowWidgets[static_cast<size_t>(i)]->isHidden()) ++visible;
  }
  FBox->verticalScrollBar()->setValue(RowTop(FBracket, visible));
}

// The table index of the row at the top of the scroll box.
int TBracketView::TopRow() const {
  const int y = FBox->verticalScrollBar()->value() + 1;
  for (TBracketRow* row : FRowWidgets) {
    if (!row->isHidden() && row->geometry().contains(1, y)) return row->Row();
  }
  return 0;
}

void TBracketView::NameClicked(int row, int seat) {
  WriteLogLine(T, std::string("Click: ") + BracketWord() + " player name edit");
  CommitNameEdit();
  TBracketRow* widget = RowWidget(row);
  if (widget == nullptr) return;
  if (T.TeamMode) return EditTeam(widget, row, seat);
  const QRect box = widget->NameRect(seat).translated(widget->pos());
  FEditRow = row;
  FEditSeat = seat;
  FEditRound = ShownRound();
  FNameEdit->setGeometry(box);
  FNameEdit->setText(ToQt(widget->Look().Seats[static_cast<size_t>(seat)].Name));
  FNameEdit->show();
  FNameEdit->raise();
  FNameEdit->setFocus();
  FNameEdit->selectAll();
}

// Team mode: the team properties dialog under the seat renames the team at
// the seat, or signs a new team up at an empty seat of the first round.
void TBracketView::EditTeam(TBracketRow* widget, int row, int seat) {
  const int round = ShownRound();
  const int16_t entry = T.Model.Table(FBracket, round, row).Seat[static_cast<size_t>(seat)];
  const TPlayer* team = entry != kNoEntry ? &T.Model.Player(entry) : nullptr;
  TTeamPropsForm dialog(team ? ToQt(team->Name) : QString(), team ? ToQt(team->Member1) : QString(),
                        team ? ToQt(team->Member2) : QString(), this);
  dialog.move(widget->mapToGlobal(widget->NameRect(seat).bottomLeft()));
  if (dialog.exec() != QDialog::Accepted) return;
  TeamPropertiesOk(T, FBracket, round, row, seat, FromQt(dialog.TeamName()), FromQt(dialog.FirstName()),
                   FromQt(dialog.SecondName()));
  Redraw();
}

void TBracketView::CommitNameEdit() {
  if (FEditRow < 0) return;
  WriteLogLine(T, "Exit: Player name edit");
  NameEditDone(true);
}

void TBracketView::NameEditDone(bool enter) {
  const int row = FEditRow;
  FEditRow = -1;
  FNameEdit->hide();
  if (row < 0) return;
  if (enter) SeatNameEnter(T, FBracket, FEditRound, row, FEditSeat, FromQt(FNameEdit->text()));
  else SeatNameEscape(T, FBracket, FEditRound, row, FEditSeat);
  Redraw();
}

bool TBracketView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FNameEdit) {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        NameEditDone(key != Qt::Key_Escape);
        return true;
      }
    } else if (event->type() == QEvent::FocusOut) {
      CommitNameEdit();
    }
  } else if (watched == FLabel && event->type() == QEvent::MouseButtonDblClick) {
    if (FMinimise->isVisible() && FMinimise->isEnabled()) FMinimise->toggle();
    return true;
  } else if (watched == FBox->viewport() && event->type() == QEvent::Wheel) {
    // One notch of the wheel moves one row.
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    QScrollBar* bar = FBox->verticalScrollBar();
    bar->setValue(bar->value() - Scaled(kRowPitch) * delta / 120);
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace vkr
