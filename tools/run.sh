#!/usr/bin/env bash
# Installs what running needs, builds the host window and opens it on the
# bundled demo evening (its tournament file and log go to out/). Without a
# display the window plays that evening offscreen through its own buttons and
# saves a screenshot instead.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh run
# A build folder of its own: the tests (and GoogleTest) are not needed to run.
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVKR_BUILD_TESTS=OFF -DVKR_BUILD_BENCH=OFF >/dev/null
cmake --build build-run -j"$(nproc)" --target velmar vkr
mkdir -p out
cd out
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: playing the demo evening in the window offscreen."
  QT_QPA_PLATFORM=offscreen ../build-run/src/ui/velmar --demo ../demo/demo.vkp --screenshot window.png
  echo "Screenshot of the window: $(pwd)/window.png"
  exit 0
fi
../build-run/src/cli/vkr play ../demo/demo.vkp >demo-play.txt
exec ../build-run/src/ui/velmar --sim-lobby demo.vkr
