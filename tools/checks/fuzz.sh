#!/usr/bin/env bash
# Builds the tournament-file fuzz target with clang and libFuzzer in its own
# build folder, replays the committed corpus, then fuzzes for a minute.
set -euo pipefail
cd "$(dirname "$0")/../.."
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVKR_FUZZ=ON \
  -DVKR_BUILD_TESTS=OFF -DVKR_BUILD_BENCH=OFF
cmake --build build-fuzz -j"$(nproc)" --target LoadTournamentFuzz
fuzzer=build-fuzz/fuzz/LoadTournamentFuzz
"$fuzzer" fuzz/corpus -runs=0
# New inputs go to a scratch folder, so the committed corpus stays as it is;
# a crashing input is kept in build-fuzz/.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$fuzzer" "$scratch" fuzz/corpus -max_total_time=60 -artifact_prefix=build-fuzz/
