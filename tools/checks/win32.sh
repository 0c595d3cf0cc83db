#!/usr/bin/env bash
# Compile check of the Win32 adapters with the mingw-w64 cross compiler,
# together with the core sources they serve (text helpers and the lobby
# link). Nothing is linked: the Linux build never uses these objects.
set -euo pipefail
cd "$(dirname "$0")/../.."
compiler=x86_64-w64-mingw32-g++
if ! command -v "$compiler" >/dev/null; then
  echo "$compiler is missing (Debian package g++-mingw-w64-x86-64)" >&2
  exit 1
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
count=0
for source in platform/win32/*.cpp src/base/*.cpp src/lobby/*.cpp; do
  case "$(basename "$source")" in u[A-Z]*) continue ;; esac
  "$compiler" -std=c++20 -Wall -Wextra -Werror -Isrc -Iplatform -c "$source" -o "$out/$(basename "$source").o"
  count=$((count + 1))
done
echo "win32: $count sources compile with $compiler"
