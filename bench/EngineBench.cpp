// Plays whole 256-entry double and triple elimination tournaments through the
// engine, one Win click per match with its undo snapshot, without file I/O,
// and prints the time per click, the peak memory and the undo history's size.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "support/RandomPlay.h"

namespace {

using namespace vkr;

// Ports that forget everything: the benchmark measures the engine alone.
class TQuietScreen : public test::TFakeScreen {
 public:
  bool Confirm(const std::string&, bool*) override { return true; }
  bool Notify(const std::string&) override { return false; }
  void LinePosted(const std::string&) override {}
};

class TNullFiles : public test::TMemoryFileSystem {
 public:
  bool AppendWriteThrough(const std::string&, std::string_view) override { return true; }
  bool WriteFileAtomic(const std::string&, std::string_view, bool) override { return true; }
};

struct TRun {
  std::vector<double> Micros;
  size_t HistoryBytes = 0;
  bool Finished = false;
};

TRun Play(int format, uint64_t seed) {
  TQuietScreen screen;
  test::TFakeClock clock;
  test::TFakeClipboard clipboard;
  TNullFiles files;
  TTourney t;
  t.Ports = TPorts{&screen, &clock, &clipboard, &files, nullptr};
  // Results come in a random order, as matches finish in a real lobby.
  test::TRandomPlan plan;
  plan.Entries = kMaxEntries;
  plan.Format = format;
  plan.Corrections = false;
  plan.Seed = seed;
  test::TRandomTournament game(t, plan);
  game.SignUp();
  // Without a file name a save only refreshes the player state: the click is
  // measured without writing the file (StorageBench measures that).
  t.Storage.FileName.clear();
  TRun run;
  test::TClick click;
  while (game.Choose(click)) {
    clock.Advance(60);
    auto start = std::chrono::steady_clock::now();
    game.Perform(click);
    auto end = std::chrono::steady_clock::now();
    run.Micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  }
  run.HistoryBytes = t.Model.History().Bytes();
  const TTable& final = t.Model.Table(Winners, t.Model.GrandFinalRound(), 0);
  run.Finished = final.Decided() && t.Points.ActiveCount == 0 && game.ForcedByes() == 0;
  return run;
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  size_t i = static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
  return v[i];
}

}  // namespace

int main() {
  constexpr double kTargetMedian = 13.0;        // microseconds per click
  constexpr double kOtherEngine = 38.0;         // microseconds per match, in memory, double elimination only
  constexpr double kHistoryLimit = 16.0;        // megabytes for a whole triple tournament
  const double wholeBlock = static_cast<double>(sizeof(TRound) * kBrackets * kRounds + kMaxEntries * sizeof(TPlayer));
  std::printf("256 entries, one click per match, undo snapshot included, no file written\n");
  Play(ElimDouble, 2026);  // warm-up: caches and clock speed settle first
  for (int format : {ElimDouble, ElimTriple}) {
    // 256 entries nearly fill a 150-table lobby: in some orders of results a
    // loser finds no free table number (the engine reports it); such a run
    // is not a whole tournament, so the next seed is played instead.
    TRun run;
    uint64_t seed = 2026;
    for (; seed < 2066 && !run.Finished; ++seed) run = Play(format, seed);
    if (!run.Finished) {
      std::printf("no %s tournament finished\n", format == ElimDouble ? "double" : "triple");
      return 1;
    }
    // The same tournament twice more; the fastest of the three runs counts,
    // which keeps a busy machine's noise out of the figures.
    for (int again = 0; again < 2; ++again) {
      TRun other = Play(format, seed - 1);
      if (Percentile(other.Micros, 0.5) < Percentile(run.Micros, 0.5)) run = other;
    }
    double median = Percentile(run.Micros, 0.5);
    double mb = static_cast<double>(run.HistoryBytes) / (1024.0 * 1024.0);
    double copies = wholeBlock * static_cast<double>(run.Micros.size()) / (1024.0 * 1024.0);
    std::printf("%s (seed %llu): clicks %zu, median %.2f us (target %.0f, ratio %.2f; other engine %.0f us/match, %.1fx faster), "
                "p99 %.2f us, undo history %.2f MB (limit %.0f MB; whole-block copies would hold %.0f MB, %.0fx more)\n",
                format == ElimDouble ? "double" : "triple", static_cast<unsigned long long>(seed - 1), run.Micros.size(), median, kTargetMedian,
                median / kTargetMedian, kOtherEngine, kOtherEngine / median, Percentile(run.Micros, 0.99), mb,
                kHistoryLimit, copies, copies / mb);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
  return 0;
}
