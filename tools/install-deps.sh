#!/usr/bin/env bash
# Installs the Debian packages that are missing, safe to run again.
#   tools/install-deps.sh run    what building and running the program needs
#   tools/install-deps.sh test   that, and what every test needs (the default)
set -euo pipefail
run=(cmake ninja-build g++ make pkg-config ccache qt6-base-dev qt6-svg-dev libgl-dev tzdata)
test=(libgtest-dev libgmock-dev desktop-file-utils shared-mime-info g++-mingw-w64-x86-64 wine wine64 clang libclang-rt-14-dev chromium)
case "${1:-test}" in
  run) packages=("${run[@]}") ;;
  test) packages=("${run[@]}" "${test[@]}") ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
