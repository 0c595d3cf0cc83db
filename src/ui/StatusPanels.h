#pragma once
// The status summary: four dockable panels (players who had a bye, active
// boots, overdue tables, current player points) and the three clocks of the
// status bar.
#include <QObject>
#include <array>

class QDockWidget;
class QLabel;
class QMainWindow;
class QTableWidget;
class QTreeWidget;

namespace vkr {

struct TTourney;

class TStatusPanels : public QObject {
  Q_OBJECT

 public:
  TStatusPanels(TTourney& t, QMainWindow* window);

  void SetShown(bool shown);
  bool Shown() const;
  // The width the panels take beside the brackets while shown.
  int Width() const;
  // Rebuilds the lists from the tournament.
  void Refresh();
  // Once a second: the clocks, the active boots and the overdue tables.
  void Tick();
  QTreeWidget* ByesList() const { return FByes; }
  QTableWidget* PointsGrid() const { return FPoints; }
  QLabel* Clock(int i) const { return FClocks[static_cast<size_t>(i)]; }

 private:
  TTourney& T;
  std::array<QDockWidget*, 4> FDocks{};
  QTreeWidget* FByes;
  QTreeWidget* FBoots;
  QTreeWidget* FOverdue;
  QTableWidget* FPoints;
  std::array<QLabel*, 3> FClocks{};
  bool FEditingGrid = false;
};

}  // namespace vkr
