#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program: the scripted host
# on the bundled demo evening (its tournament file and log go to out/).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
mkdir -p out
cd out
exec ../build/src/cli/vkr play ../demo/demo.vkp
