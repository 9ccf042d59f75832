#!/usr/bin/env bash
# Builds both targets (the i686 deliverables and the x86_64 test build) and
# runs every test under Wine. Fails when a build fails, a test fails or no
# test ran. Installs what it needs first (as root on a fresh Debian machine).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
jobs=$(nproc)

"$root/scripts/install-deps.sh"

configure() { # folder toolchain extra-args...
  local dir=$1 arch=$2; shift 2
  cmake -S "$root" -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

echo "== i686 deliverables"
configure "$build/i686" i686
cmake --build "$build/i686" -j "$jobs"

. "$root/scripts/lib/session.sh"
session_start "$build/x86_64/wine"
session_start_pop3 "$build/x86_64/pop3"

echo "== x86_64 test build"
configure "$build/x86_64" x86_64 -DACCESSORY_BUILD_TESTS=ON
cmake --build "$build/x86_64" -j "$jobs"

echo "== tests (Wine, display $DISPLAY)"
ctest --test-dir "$build/x86_64" --no-tests=error --output-on-failure \
  -j "$jobs" --timeout 600
