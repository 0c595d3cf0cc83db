#include "ui/StatusPanels.h"

#include <QApplication>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>

#include "base/Text.h"
#include "engine/Tourney.h"
#include "qt/QtText.h"
#include "storage/ByesList.h"
#include "storage/PointsGrid.h"
#include "timing/Boots.h"
#include "timing/ClockPort.h"

namespace vkr {
namespace {

constexpr int kPanelWidth = 198;

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

}  // namespace

TStatusPanels::TStatusPanels(TTourney& t, QMainWindow* window) : QObject(window), T(t) {
  FByes = new QTreeWidget;
  FByes->setObjectName(QStringLiteral("ByesList"));
  FByes->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Round")});
  FByes->setColumnWidth(0, 120);
  FByes->setRootIsDecorated(false);
  FByes->setSortingEnabled(true);
  FByes->sortByColumn(0, Qt::AscendingOrder);
  FBoots = new QListWidget;
  FBoots->setObjectName(QStringLiteral("ActiveBootsList"));
  FOverdue = new QListWidget;
  FOverdue->setObjectName(QStringLiteral("OverdueTablesList"));
  FPoints = new QTableWidget(0, 2);
  FPoints->setObjectName(QStringLiteral("PointsGrid"));
  FPoints->setHorizontalHeaderLabels({QStringLiteral("Player"), QStringLiteral("Points")});
  FPoints->setColumnWidth(0, 121);
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
    FClocks[i]->setFixedWidth(90);
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
  FByes->setSortingEnabled(false);
  FByes->clear();
  for (const TByesListRow& row : ByesListRows(T)) {
    FByes->addTopLevelItem(new QTreeWidgetItem({ToQt(row.Name), ToQt(row.Rounds)}));
  }
  FByes->setSortingEnabled(true);
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
  RefreshBoots();
}

void TStatusPanels::RefreshBoots() {
  const int count = static_cast<int>(T.BootedPlayers.size());
  while (FBoots->count() > count) delete FBoots->takeItem(FBoots->count() - 1);
  for (int i = 0; i < count; ++i) {
    const int entry = T.BootedPlayers[static_cast<size_t>(i)];
    if (entry < 0 || entry >= T.Model.PlayerCount()) continue;
    const int32_t left = BootSecondsLeft(T, entry);
    const QString text = ToQt(Sprintf("%s  %d:%02d", T.Model.Player(entry).Name.c_str(), left / 60, left % 60));
    if (i >= FBoots->count()) FBoots->addItem(text);
    else if (FBoots->item(i)->text() != text) FBoots->item(i)->setText(text);
  }
}

void TStatusPanels::Tick() {
  const TDateTime now = T.Ports.Clock->Now();
  const QString local = ToQt(T.Ports.Clock->LongTime(now));
  if (FClocks[0]->text() != local) FClocks[0]->setText(local);
  for (size_t i = 0; i < T.ExtraClockOffsets.size(); ++i) {
    const QString text = ToQt(T.Ports.Clock->LongTime(now - T.ExtraClockOffsets[i]));
    if (FClocks[i + 1]->text() != text) FClocks[i + 1]->setText(text);
  }
  if (!T.BootedPlayers.empty() || FBoots->count() > 0) RefreshBoots();
}

}  // namespace vkr
