#include "ui/StatusPanels.h"

#include <QApplication>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>

#include "base/Text.h"
#include "engine/Tourney.h"
#include "qt/QtText.h"
#include "storage/ByesList.h"
#include "storage/PointsGrid.h"

namespace vkr {
namespace {

constexpr int kPanelWidth = 198;

// A list of the status summary; widths are those of the columns after the first.
QTreeWidget* List(const char* name, const QStringList& columns, std::initializer_list<int> widths) {
  auto* list = new QTreeWidget;
  list->setObjectName(QString::fromLatin1(name));
  list->setHeaderLabels(columns);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  // The panel is narrow: the first column takes what the others leave, so
  // nothing needs a sideways scroll bar.
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->header()->setStretchLastSection(false);
  list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  int column = 0;
  for (int width : widths) list->setColumnWidth(++column, width);
  return list;
}

QDockWidget* Dock(QMainWindow* window, const char* title, const char* name, QWidget* content) {
  auto* dock = new QDockWidget(QString::fromLatin1(title), window);
  dock->setObjectName(QString::fromLatin1(name));
  dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  dock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  // The caption line in bold; the list keeps the window's font.
  auto* caption = new QLabel(QString::fromLatin1(title), dock);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  caption->setContentsMargins(4, 3, 4, 2);
  dock->setTitleBarWidget(caption);
  content->setMinimumHeight(60);
  dock->setWidget(content);
  dock->setMinimumWidth(kPanelWidth);
  window->addDockWidget(Qt::RightDockWidgetArea, dock);
  return dock;
}

// Replaces the lines of a list when they differ from the ones shown.
void ShowLines(QTreeWidget* list, const std::vector<QStringList>& lines) {
  bool same = list->topLevelItemCount() == static_cast<int>(lines.size());
  for (int i = 0; same && i < list->topLevelItemCount(); ++i) {
    for (int c = 0; same && c < lines[static_cast<size_t>(i)].size(); ++c) {
      same = list->topLevelItem(i)->text(c) == lines[static_cast<size_t>(i)][c];
    }
  }
  if (same) return;
  const bool sorted = list->isSortingEnabled();
  list->setUpdatesEnabled(false);
  list->setSortingEnabled(false);
  list->clear();
  for (const QStringList& line : lines) list->addTopLevelItem(new QTreeWidgetItem(line));
  list->setSortingEnabled(sorted);
  list->setUpdatesEnabled(true);
}

}  // namespace

TStatusPanels::TStatusPanels(TTourney& t, QMainWindow* window) : QObject(window), T(t) {
  FByes = List("ByesList", {QStringLiteral("Name"), QStringLiteral("Round")}, {60});
  FByes->setSortingEnabled(true);
  FByes->sortByColumn(0, Qt::AscendingOrder);
  FBoots = List("ActiveBootsList", {QStringLiteral("Name"), QStringLiteral("Time"), QStringLiteral("Table")},
                {40, 45});
  FOverdue = List("OverdueTablesList", {QStringLiteral("Table"), QStringLiteral("Round"), QStringLiteral("Time")},
                  {60, 50});
  FPoints = new QTableWidget(0, 2);
  FPoints->setObjectName(QStringLiteral("PointsGrid"));
  FPoints->setHorizontalHeaderLabels({QStringLiteral("Player"), QStringLiteral("Points")});
  FPoints->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FPoints->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  FPoints->setColumnWidth(1, 51);
  FPoints->verticalHeader()->hide();
  FPoints->verticalHeader()->setDefaultSectionSize(17);
  connect(FPoints, &QTableWidget::cellChanged, this, [this](int row, int column) {
    if (FEditingGrid) return;
    EditPointsGridCell(T, static_cast<size_t>(row), column == 0 ? TGridColumn::Name : TGridColumn::Points,
                       FromQt(FPoints->item(row, column)->text()));
  });
  FDocks = {Dock(window, "Players who've had a Bye", "ByesPanel", FByes),
            Dock(window, "Active Boots", "ActiveBootsPanel", FBoots),
            Dock(window, "Overdue Tables", "OverdueTablesPanel", FOverdue),
            Dock(window, "Current Player Points", "PlayerPointsPanel", FPoints)};

  QStatusBar* bar = window->statusBar();
  bar->setObjectName(QStringLiteral("StatusBar"));
  for (size_t i = 0; i < FClocks.size(); ++i) {
    FClocks[i] = new QLabel(bar);
    FClocks[i]->setMinimumWidth(90);
    FClocks[i]->setAlignment(Qt::AlignCenter);
    FClocks[i]->setFrameShape(QFrame::StyledPanel);
    FClocks[i]->setToolTip(
        QStringLiteral("International Time Clock - right-mouse click to choose time-zones to display"));
    bar->addWidget(FClocks[i]);
  }
}

void TStatusPanels::SetShown(bool shown) {
  for (QDockWidget* dock : FDocks) dock->setVisible(shown);
}

bool TStatusPanels::Shown() const { return FDocks[0]->isVisibleTo(FDocks[0]->parentWidget()); }

int TStatusPanels::Width() const {
  int width = kPanelWidth;
  for (QDockWidget* dock : FDocks) width = std::max(width, dock->sizeHint().width());
  return width + 6;
}

void TStatusPanels::Refresh() {
  std::vector<QStringList> byes;
  for (const TByesListRow& row : ByesListRows(T)) byes.push_back({ToQt(row.Name), ToQt(row.Rounds)});
  ShowLines(FByes, byes);
  // A cell the host is typing into keeps its text until the next refresh.
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr || focus == FPoints || !FPoints->isAncestorOf(focus)) {
    FEditingGrid = true;
    const std::vector<TPointsGridRow>& grid = PointsGridRows(T);
    FPoints->setRowCount(static_cast<int>(grid.size()));
    for (int r = 0; r < static_cast<int>(grid.size()); ++r) {
      FPoints->setItem(r, 0, new QTableWidgetItem(ToQt(grid[static_cast<size_t>(r)].Name)));
      FPoints->setItem(r, 1, new QTableWidgetItem(ToQt(grid[static_cast<size_t>(r)].Points)));
    }
    FEditingGrid = false;
  }
  Tick();
}

void TStatusPanels::Tick() {
  const TTimingState& timing = T.Timing;
  for (size_t i = 0; i < FClocks.size(); ++i) {
    const QString text = ToQt(timing.StatusClocks[i]);
    if (FClocks[i]->text() != text) FClocks[i]->setText(text);
  }
  std::vector<QStringList> boots;
  for (const TActiveBootLine& line : timing.ActiveBoots) {
    boots.push_back({ToQt(line.Name), ToQt(line.Time), QString::number(line.TableNumber)});
  }
  ShowLines(FBoots, boots);
  std::vector<QStringList> overdue;
  for (const TOverdueRecord& record : timing.Overdue) {
    overdue.push_back({QString::number(record.TableNumber), ToQt(record.RoundLabel),
                       ToQt(Sprintf("%d:%.2d", record.MinutesPlayed / 60, record.MinutesPlayed % 60))});
  }
  ShowLines(FOverdue, overdue);
}

}  // namespace vkr
