#!/usr/bin/env bash
# Builds both targets with their tests and runs every test under Wine: the
# i686 programs (the deliverables' own architecture, in Wine's 32-bit
# loader) and their x86_64 twins. Fails when a build fails, a test fails or
# no test ran. Installs what it needs first (as root on a fresh Debian
# machine). Where 32-bit programs cannot run (32-bit Wine cannot be
# installed, the machine runs no 32-bit code, or WITHOUT_32BIT=1 asks to act
# so), the i686 deliverables are still built, the x86_64 tests run with the
# end-to-end tests of the x86_64 twins, all through Wine's 64-bit loader,
# and one line says that the 32-bit tests did not run and why.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
jobs=$(nproc)

. "$root/scripts/lib/build.sh"
build_prepare

echo "== i686: the deliverables and their tests"
build_target i686 -DACCESSORY_BUILD_TESTS=ON
echo "== x86_64: the test twins"
build_target x86_64 -DACCESSORY_BUILD_TESTS=ON

session_start_pop3 "$build/pop3"

run_tests() { # arch
  echo "== tests of $1 (Wine, display $DISPLAY)"
  ctest --test-dir "$build/$1" --no-tests=error --output-on-failure -j "$jobs" --timeout 600
}

status=0
run_tests x86_64 || status=1
if [ -z "$WINE32_MISSING" ]; then
  run_tests i686 || status=1
else
  echo "test: THE 32-BIT TESTS DID NOT RUN (only the x86_64 ones did, end to end with the x86_64 twins): $WINE32_MISSING"
fi
exit $status
