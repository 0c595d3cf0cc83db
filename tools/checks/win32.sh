#!/usr/bin/env bash
# Cross-compiles the Windows programs with mingw-w64 in build-win/: vkr.exe,
# the Windows adapters' tests and the benchmarks, statically linked, with
# warnings as errors. tools/checks/wine.sh runs them.
set -euo pipefail
cd "$(dirname "$0")/../.."
compiler=x86_64-w64-mingw32-g++-posix
if ! command -v "$compiler" >/dev/null; then
  echo "$compiler is missing (Debian package g++-mingw-w64-x86-64)" >&2
  exit 1
fi
cmake --no-warn-unused-cli -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/MingwW64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVKR_BUILD_TESTS=ON -DVKR_BUILD_BENCH=ON -DVKR_BUILD_GUI=OFF >/dev/null
cmake --build build-win -j"$(nproc)"
echo "win32: build-win is built with $compiler"
