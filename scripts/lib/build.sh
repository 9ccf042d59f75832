# Sourced by the test, run and benchmark commands: installs what is missing,
# then configures and builds the two builds under $build:
#   build_prepare          installs the dependencies (as root on a fresh
#                          machine) and sets WINE32_MISSING to why 32-bit
#                          Wine cannot run here, or to "" when it can.
#   build_target ARCH [cmake -D arguments...]
#                          starts ARCH's Wine state (its tools run under
#                          Wine while it builds), configures and builds it.
# Needs root, build and jobs set by the caller.

build_prepare() {
  mkdir -p "$build"
  export WINE32_STATUS_FILE="$build/wine32-status"
  "$root/scripts/install-deps.sh"
  WINE32_MISSING=$(cat "$WINE32_STATUS_FILE")
  . "$root/scripts/lib/session.sh"
}

build_target() {
  local arch=$1; shift
  local dir="$build/$arch" run=ON
  if [ "$arch" = i686 ] && [ -n "$WINE32_MISSING" ]; then
    # The deliverables are still built; nothing of theirs runs.
    run=OFF
    set -- "$@" -DACCESSORY_BUILD_TESTS=OFF
  else
    session_start "$dir/wine" "${SESSION_DISPLAY:-xvfb}"
  fi
  cmake -S "$root" -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DACCESSORY_RUN_UNDER_WINE=$run "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}
