#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in their own build folder,
# replays each committed corpus, then fuzzes each target briefly.
set -euo pipefail
cd "$(dirname "$0")/../.."
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVKR_FUZZ=ON \
  -DVKR_BUILD_TESTS=OFF -DVKR_BUILD_BENCH=OFF -DVKR_BUILD_GUI=OFF
cmake --build build-fuzz -j"$(nproc)" --target LoadTournamentFuzz ImportFormatsFuzz FriendsListFuzz
# New inputs go to scratch folders, so the committed corpora stay as they are;
# a crashing input is kept in build-fuzz/.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fuzz() {  # target, corpus, seconds
  local fuzzer=build-fuzz/fuzz/$1
  "$fuzzer" "fuzz/$2" -runs=0
  mkdir -p "$scratch/$1"
  "$fuzzer" "$scratch/$1" "fuzz/$2" -max_total_time="$3" -artifact_prefix=build-fuzz/
}
fuzz LoadTournamentFuzz corpus 60
fuzz ImportFormatsFuzz corpus-vkrf 20
fuzz FriendsListFuzz corpus-friends 20
