#!/usr/bin/env bash
# Builds everything and starts the Quenna program with the demo character.
# Installs what it needs first (as root on a fresh Debian machine).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
jobs=$(nproc)

"$root/scripts/install-deps.sh"

for arch in i686 x86_64; do
  cmake -S "$root" -B "$build/$arch" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
done
cmake --build "$build/i686" -j "$jobs"

. "$root/scripts/lib/session.sh"
session_start "$build/x86_64/wine" "${DISPLAY:+user}"
cmake --build "$build/x86_64" -j "$jobs"

program="$build/x86_64/app/quenna.exe"
if [ ! -f "$program" ]; then
  echo "run: the library is built; the Quenna program does not exist yet, so there is nothing to start."
  exit 0
fi
