# Sourced by the test, run and benchmark commands: installs what is missing,
# then configures and builds the two builds under $build:
#   build_prepare          installs the dependencies (as root on a fresh
#                          machine) and sets WINE32_MISSING to why 32-bit
#                          programs cannot run here, or to "" when they can.
#   build_target ARCH [cmake -D arguments...]
#                          starts ARCH's Wine state (its tools run under
#                          Wine while it builds), configures and builds it.
# Needs root, build and jobs set by the caller.
#
# Where 32-bit programs cannot run, the i686 build makes the deliverables
# alone, every Wine state uses the 64-bit loader, and the x86_64 build
# takes the end-to-end tests, run with the x86_64 twins of the programs.

build_prepare() {
  mkdir -p "$build"
  export WINE32_STATUS_FILE="$build/wine32-status"
  "$root/scripts/install-deps.sh"
  . "$root/scripts/lib/session.sh"
  WINE32_MISSING=$(cat "$WINE32_STATUS_FILE")
  [ -n "$WINE32_MISSING" ] || WINE32_MISSING=$(session_wine32_missing)
  session_loader_for "$WINE32_MISSING"
}

build_target() {
  local arch=$1; shift
  local dir="$build/$arch" run=ON end_to_end=OFF
  if [ "$arch" = i686 ] && [ -n "$WINE32_MISSING" ]; then
    # The deliverables are still built; nothing of theirs runs.
    run=OFF
    set -- "$@" -DACCESSORY_BUILD_TESTS=OFF
  else
    session_start "$dir/wine" "${SESSION_DISPLAY:-xvfb}"
  fi
  # The end-to-end tests run the programs a user would run: the 32-bit
  # deliverables where they can run, else their x86_64 twins. Said every
  # time, since a build folder keeps what it was told last.
  if [ "$arch" = i686 ] || [ -n "$WINE32_MISSING" ]; then
    end_to_end=ON
  fi
  cmake -S "$root" -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DACCESSORY_RUN_UNDER_WINE=$run \
    -DACCESSORY_END_TO_END_TESTS=$end_to_end "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}
