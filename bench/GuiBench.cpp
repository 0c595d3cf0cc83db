// The host window on the largest tournament: 256 entries, triple
// elimination, with the first rounds of all three brackets played.
//   start:  constructing the window, showing it and opening the file, until
//           the first paint has been processed (offscreen)
//   redraw: the redraw of a round the core asks for after a Win click
//   tick:   the one-second tick when nothing is due
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/Tourney.h"
#include "posix/PosixFileSystem.h"
#include "storage/TournamentFile.h"
#include "support/TourneyHost.h"
#include "ui/AutoAnswer.h"
#include "ui/BracketRow.h"
#include "ui/BracketView.h"
#include "ui/RoundTabBar.h"
#include "ui/TarnwickForm.h"

using namespace vkr;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Times the redraws the core asks for of a round a view shows (the others
// only write their log line).
class TTimedForm : public TTarnwickForm {
 public:
  std::vector<double> Redraws;
  void RedrawRound(int bracket, int round) override {
    const bool shown = View(bracket)->ShownRound() == round;
    const auto start = Clock::now();
    TTarnwickForm::RedrawRound(bracket, round);
    if (shown) Redraws.push_back(Ms(start, Clock::now()));
  }
};

void Report(const char* what, double value, double target, const char* unit) {
  std::printf("%-34s %8.3f %s   target %6.1f %s   ratio %.2f\n", what, value, unit, target, unit, value / target);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  TAutoAnswer yes;
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("big.vkr"));
  {
    test::TEngineHost h(ElimTriple, false, file.toStdString());
    h.AddPlayers(256);
    h.Close();
    h.PlayRound(Winners, 0);
    h.PlayRound(Winners, 1);
    h.PlayRound(OneLoss, 1);
    // The host drives a memory file system; the window reads a real file.
    TPosixFileSystem disk;
    h.T.Ports.Files = &disk;
    SaveTournamentAs(h.T, file.toStdString());
  }

  std::vector<double> starts;
  for (int run = 0; run < 5; ++run) {
    const auto start = Clock::now();
    TTarnwickForm form;
    form.show();
    form.OpenTourney(file);
    QApplication::processEvents();
    starts.push_back(Ms(start, Clock::now()));
  }

  TTimedForm form;
  form.show();
  form.OpenTourney(file);
  form.Tourney().Storage.FlushOnSave = false;
  QApplication::processEvents();
  // Winners round 3: full, undecided tables.
  TBracketView* view = form.View(Winners);
  view->Tabs()->setCurrentIndex(2);
  std::vector<double> clicks;
  for (int i = 0; i < form.Tourney().Model.Round(Winners, 2).TableCount; ++i) {
    TBracketRow* row = view->RowWidget(i);
    if (row == nullptr || !row->WinButton(0)->isEnabled() || row->WinButton(0)->isChecked()) continue;
    const auto start = Clock::now();
    row->WinButton(0)->click();
    QApplication::processEvents();
    clicks.push_back(Ms(start, Clock::now()));
  }

  std::vector<double> ticks;
  for (int i = 0; i < 1000; ++i) {
    const auto start = Clock::now();
    form.TimerTick();
    ticks.push_back(Ms(start, Clock::now()));
  }

  std::printf("Host window, 256-entry triple elimination (offscreen), medians:\n");
  Report("start to shown window", Median(starts), 300, "ms");
  Report("redraw after a Win click", Median(form.Redraws), 5, "ms");
  if (!form.Redraws.empty()) {
    Report("slowest such redraw", *std::max_element(form.Redraws.begin(), form.Redraws.end()), 5, "ms");
  }
  std::printf("%-34s %8.3f ms   (core work, save without flush, redraws and paint; %zu clicks)\n",
              "whole Win click", Median(clicks), clicks.size());
  Report("one-second tick, nothing due", Median(ticks), 1, "ms");
  return 0;
}
