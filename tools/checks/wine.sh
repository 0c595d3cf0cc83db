#!/usr/bin/env bash
# Runs the Windows build under Wine: the Windows adapters' tests (real files,
# the clock, real lobby windows and the clipboard), then every scenario
# script of tests/scripts with vkr.exe and with the Linux vkr, whose standard
# output, standard error, exit code and written files must be identical byte
# for byte. Wine's prefix lives in build-win/, so nothing is kept outside the
# clone; its windows need no display (Wine's null graphics driver).
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
bash tools/checks/win32.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target vkr -j"$(nproc)"

export WINEPREFIX="$root/build-win/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  started=$(date +%s)
  wine wineboot --init >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f >/dev/null 2>&1
  wineserver --wait
  echo "wine: new prefix made in $(($(date +%s) - started)) s"
fi
# One Wine server for all runs instead of one per program.
wineserver --persistent
trap 'wineserver --kill' EXIT

# From inside build-win, where any stray file would stay out of the clone.
(cd build-win && wine tests/win32/vkr_win32_tests.exe --gtest_brief=1)

# Runs one script with one vkr in a fresh folder; what it printed goes beside
# the folder.
play() {
  local vkr=$1 script=$2 out=$3
  local name
  name=$(basename "$script" .vkp)
  mkdir -p "$out/$name"
  if [ -d "${script%.vkp}.files" ]; then cp -R "${script%.vkp}.files/." "$out/$name/"; fi
  local code=0
  (cd "$out/$name" && "${@:4}" "$vkr" play "$script" >"../$name.stdout" 2>"../$name.stderr") || code=$?
  echo "$code" >"$out/$name.code"
}

runs="$root/build-win/scenario-runs"
rm -rf "$runs"
count=0
for script in "$root"/tests/scripts/*.vkp; do
  play "$root/build/src/cli/vkr" "$script" "$runs/linux"
  play "$root/build-win/src/cli/vkr.exe" "$script" "$runs/windows" wine
  count=$((count + 1))
done
if ! diff -r "$runs/linux" "$runs/windows"; then
  echo "wine: vkr.exe differs from the Linux vkr (runs kept in $runs)" >&2
  exit 1
fi
echo "wine: $count scenario scripts give the same output and files with vkr.exe"
