// The whole-bracket picture: its size and the time to draw it for random
// tournaments up to the largest (256 entries, triple elimination, all played).
// With a folder argument the pictures are also written there, to look at.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "storage/BracketPage.h"
#include "storage/BracketSvg.h"
#include "support/RandomPlay.h"

namespace {

using namespace vkr;
using namespace vkr::test;
using TClock = std::chrono::steady_clock;

struct TCase {
  const char* Name;
  int Format, Entries;
  int Clicks;  // results entered; -1: to the end
};

constexpr TCase kCases[] = {
    {"double8", ElimDouble, 8, -1},
    {"triple64", ElimTriple, 64, -1},
    {"triple64-half", ElimTriple, 64, 90},
    {"triple256", ElimTriple, 256, -1},
};
constexpr double kTargetMs = 100;  // a menu command that answers at once

double FastestMs(int runs, const TTourney& t) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = TClock::now();
    volatile size_t n = BracketPictureSvg(t).size();
    (void)n;
    best = std::min(best, std::chrono::duration<double, std::milli>(TClock::now() - start).count());
  }
  return best;
}

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : "";
  for (const TCase& c : kCases) {
    TTestHost host;
    TRandomPlan plan;
    std::tie(plan.Entries, plan.Format, plan.Corrections, plan.Seed) = std::tuple(c.Entries, c.Format, false, 5);
    TRandomTournament game(host.T, plan);
    game.SignUp();
    for (int k = 0; c.Clicks < 0 || k < c.Clicks; ++k) {
      host.Clock.Advance(600);
      if (!game.Step()) break;
    }
    const std::string svg = BracketPictureSvg(host.T), html = BracketPictureHtml(host.T);
    const double ms = FastestMs(5, host.T);
    std::printf("%-14s SVG %8zu bytes, HTML %8zu bytes, drawn in %7.2f ms   target %.0f ms   ratio %.3f\n", c.Name,
                svg.size(), html.size(), ms, kTargetMs, ms / kTargetMs);
    if (!folder.empty()) {
      Write(folder + c.Name + ".svg", svg);
      Write(folder + c.Name + ".html", html);
    }
  }
  return 0;
}
