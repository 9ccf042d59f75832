#!/usr/bin/env bash
# Builds both targets with their tests and runs every test under Wine: the
# i686 programs (the deliverables' own architecture, in Wine's 32-bit
# loader) and their x86_64 twins. Fails when a build fails, a test fails or
# no test ran. Installs what it needs first (as root on a fresh Debian
# machine). When 32-bit Wine cannot be installed, the i686 deliverables are
# still built, the x86_64 tests run, and one line says that the 32-bit tests
# did not run and why.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
jobs=$(nproc)

mkdir -p "$build"
export WINE32_STATUS_FILE="$build/wine32-status"
"$root/scripts/install-deps.sh"
wine32_missing=$(cat "$WINE32_STATUS_FILE")

. "$root/scripts/lib/session.sh"

configure() { # folder arch extra-args...
  local dir=$1 arch=$2; shift 2
  cmake -S "$root" -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

run_tests() { # folder
  echo "== tests of $(basename "$1") (Wine, display $DISPLAY)"
  ctest --test-dir "$1" --no-tests=error --output-on-failure -j "$jobs" --timeout 600
}

# The build runs its own Windows tools (the packer, the demo characters'
# generator) under Wine, so each build's Wine state comes first.
if [ -z "$wine32_missing" ]; then
  session_start "$build/i686/wine"
  echo "== i686 deliverables and tests"
  configure "$build/i686" i686 -DACCESSORY_BUILD_TESTS=ON -DACCESSORY_RUN_UNDER_WINE=ON
else
  echo "== i686 deliverables (no 32-bit Wine: built, not run)"
  configure "$build/i686" i686 -DACCESSORY_BUILD_TESTS=OFF -DACCESSORY_RUN_UNDER_WINE=OFF
fi
cmake --build "$build/i686" -j "$jobs"

session_start "$build/x86_64/wine"
echo "== x86_64 tests"
configure "$build/x86_64" x86_64 -DACCESSORY_BUILD_TESTS=ON -DACCESSORY_RUN_UNDER_WINE=ON
cmake --build "$build/x86_64" -j "$jobs"

session_start_pop3 "$build/pop3"

status=0
run_tests "$build/x86_64" || status=1
if [ -z "$wine32_missing" ]; then
  run_tests "$build/i686" || status=1
else
  echo "test: THE 32-BIT TESTS DID NOT RUN (only the x86_64 ones did): $wine32_missing"
fi
exit $status
