// The tournament file: saving and loading the largest tournament, and whole
// 256-entry tournaments played with the save and the log lines of every click
// on real files, with and without flushing them to disk.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "native/NativePorts.h"
#include "storage/ActionLog.h"
#include "storage/TournamentFile.h"
#include "storage/TournamentImage.h"
#include "storage/TournamentState.h"
#include "support/RandomPlay.h"

namespace {

using namespace vkr;
using namespace vkr::test;
using TClock = std::chrono::steady_clock;

double Micros(TClock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(p * static_cast<double>(values.size() - 1))];
}

// A figure, with its ratio to the target where there is one (target > 0).
void Report(const char* what, double micros, double target = 0) {
  if (target > 0) std::printf("%-58s %10.1f us   target %7.0f us   ratio %.2f\n", what, micros, target, micros / target);
  else std::printf("%-58s %10.1f us\n", what, micros);
}

// The median of repeated runs of an action, in microseconds.
template <typename Action>
double MedianMicros(int runs, Action action) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = TClock::now();
    action();
    times.push_back(Micros(TClock::now() - start));
  }
  return Percentile(times, 0.5);
}

// A host whose files are real files in the current folder.
struct TRealHost {
  TTestHost Host;
  TNativeFileSystem Files;
  explicit TRealHost(bool flush) {
    Files.WriteThrough = flush;
    Host.T.Ports.Files = &Files;
    Host.T.Storage.FlushOnSave = flush;
  }
};

// Plays a whole 256-entry tournament; gives the time of each result click.
std::vector<double> PlayWhole(TRealHost& real, int format, uint64_t seed) {
  TRandomPlan plan;
  plan.Entries = 256;
  plan.Format = format;
  plan.Corrections = false;
  plan.Seed = seed;
  TRandomTournament game(real.Host.T, plan);
  game.SignUp();
  std::vector<double> clicks;
  for (;;) {
    const auto start = TClock::now();
    if (!game.Step()) break;
    clicks.push_back(Micros(TClock::now() - start));
  }
  if (!game.Finished()) std::printf("warning: the tournament did not finish\n");
  return clicks;
}

void LargestFile() {
  TRealHost real(false);
  PlayWhole(real, ElimTriple, 7);
  TTourney& t = real.Host.T;
  const std::string bytes = WriteTournamentImage(CaptureTournament(t));
  std::printf("largest tournament: 256 entries, triple elimination, all rounds played: %zu bytes\n", bytes.size());
  Report("write the file's bytes (capture + layout)", MedianMicros(200, [&] {
           volatile size_t n = WriteTournamentImage(CaptureTournament(t)).size();
           (void)n;
         }));
  Report("SaveTournament, real file, no flush (with backup)", MedianMicros(200, [&] { SaveTournament(t); }));
  t.Storage.FlushOnSave = true;
  Report("SaveTournament, real file, flushed (with backup)", MedianMicros(100, [&] { SaveTournament(t); }));
  real.Files.WriteThrough = true;
  Report("one action-log line, written through", MedianMicros(200, [&] { WriteLogLine(t, "Click: Winners Win check"); }));
  t.Storage.FlushOnSave = false;
  real.Files.WriteThrough = false;
  Report("read the file's bytes (parse + checks)", MedianMicros(200, [&] {
           volatile size_t n = ReadTournamentImage(bytes, t.Format.PlayerPoints).Players.size();
           (void)n;
         }));
  TTestHost memory;
  memory.Files.Files["largest.vkr"] = bytes;
  Report("LoadTournament, file in memory", MedianMicros(200, [&] { LoadTournament(memory.T, "largest.vkr"); }),
         1000);
  Report("LoadTournament, real file", MedianMicros(200, [&] { LoadTournament(t, t.Storage.FileName); }), 1000);
}

void WholeTournaments(bool flush) {
  for (int format : {ElimDouble, ElimTriple}) {
    TRealHost real(flush);
    const std::vector<double> clicks = PlayWhole(real, format, 11 + static_cast<uint64_t>(format));
    double sum = 0;
    for (double c : clicks) sum += c;
    const char* name = format == ElimDouble ? "double" : "triple";
    std::printf("256-entry %s elimination, %s: %zu result clicks\n", name,
                flush ? "flushed to disk" : "not flushed", clicks.size());
    const double target = flush ? 1000 : 105;
    Report("  per click, median", Percentile(clicks, 0.5), target);
    Report("  per click, p99", Percentile(clicks, 0.99), target);
    Report("  per click, mean", sum / static_cast<double>(clicks.size()), target);
  }
}

}  // namespace

// Without arguments every part runs; "largest", "unflushed" or "flushed" runs one.
int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const std::string only = argc > 1 ? argv[1] : "";
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  const fs::path folder = fs::temp_directory_path() /
                          ("vkr-storage-bench-" + std::to_string(TClock::now().time_since_epoch().count()));
  fs::create_directories(folder);
  const fs::path previous = fs::current_path();
  fs::current_path(folder);
  if (only.empty() || only == "largest") LargestFile();
  if (only.empty() || only == "unflushed") WholeTournaments(false);
  if (only.empty() || only == "flushed") WholeTournaments(true);
  fs::current_path(previous);
  fs::remove_all(folder);
  return 0;
}
