#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the host window need,
# when they are missing. Safe to run again.
set -euo pipefail
packages=(cmake ninja-build g++ make pkg-config ccache libgtest-dev libgmock-dev
          qt6-base-dev libgl-dev tzdata
          g++-mingw-w64-x86-64 wine wine64 clang libclang-rt-14-dev chromium)
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
