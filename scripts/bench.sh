#!/usr/bin/env bash
# Runs every benchmark in both builds and prints their figures side by side,
# the i686 deliverables' architecture on the left and the x86_64 twin on the
# right (the twin alone, said so, where 32-bit programs cannot run): the
# pixel engine, window shapes, archive loading, and the Quenna program's
# start-up, ticks and idle cost with the demo character (under
# Xvfb, or on DISPLAY with SESSION_DISPLAY=user); then the idle cost over
# every process of the program's Wine state and the X server, beside a bare
# timer window (tests/bench/idle_cost.py, Xvfb displays of its own). Builds
# first, as the test command does. IDLE_SECONDS (60) sets how long the
# program is left alone in the first idle figures.
# The figures depend on the machine and on what else runs on it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
jobs=$(nproc)

. "$root/scripts/lib/build.sh"
build_prepare
arches=(i686 x86_64)
if [ -n "$WINE32_MISSING" ]; then
  echo "bench: the 32-bit benchmarks cannot run: $WINE32_MISSING"
  arches=(x86_64)
fi
for arch in "${arches[@]}"; do
  build_target "$arch" -DACCESSORY_BUILD_TESTS=ON
done

# Prints the figures of each arch (files named by arch in $out) line by
# line, the 32-bit ones in a column as wide as their longest line and the
# x86_64 ones beside them.
side_by_side() {
  if [ ${#arches[@]} -eq 2 ]; then
    python3 - "$out/i686.txt" "$out/x86_64.txt" <<'PY'
import sys
left, right = ([line.rstrip("\n").expandtabs() for line in open(path, errors="replace")] for path in sys.argv[1:])
left, right = ["-- i686"] + left, ["-- x86_64"] + right
width = max(map(len, left))
for i in range(max(len(left), len(right))):
    a = left[i] if i < len(left) else ""
    b = right[i] if i < len(right) else ""
    print(f"{a:<{width}}  | {b}".rstrip())
PY
  else
    echo "-- x86_64 (the 32-bit build does not run: $WINE32_MISSING)"
    cat "$out/x86_64.txt"
  fi
}

benchmarks=(
  "pixel engine|tests/bench/effect_bench.exe"
  "window shapes|tests/bench/region_bench.exe"
  "archive loading|tests/io/pack_file_benchmark.exe"
  "Quenna start-up, ticks and idle|tests/bench/quenna_bench.exe ${IDLE_SECONDS:-60}"
)
out="$build/bench"
mkdir -p "$out"
for benchmark in "${benchmarks[@]}"; do
  title=${benchmark%%|*}
  command=${benchmark#*|}
  for arch in "${arches[@]}"; do
    # One at a time: they would slow each other down.
    # shellcheck disable=SC2086
    # What the system says on the side (no sound card, say) goes to a file
    # of its own.
    "$root/scripts/wine-exec" "$build/$arch/wine" "$build/$arch/"$command \
      >"$out/$arch.txt" 2>"$out/$arch.err" </dev/null || echo "(ended with $?)" >>"$out/$arch.txt"
  done
  echo
  echo "== $title"
  side_by_side
done

# The idle cost counted over every process that works for the program (the
# 32-bit deliverable, or its x86_64 twin where 32-bit programs cannot run),
# each case on an X display of its own with the server of a Wine state of
# its own (build/<arch>/idle-wine) started anew; IDLE_COST_ROUNDS (3)
# rounds of 30 s a case. The x86_64 twin's figures are the same within the
# spread and would take as long again: where both run, measure it by hand
# with
#   python3 tests/bench/idle_cost.py build/x86_64
idle_arch=${arches[0]}
echo
echo "== Quenna idle, all processes counted ($idle_arch)"
python3 "$root/tests/bench/idle_cost.py" "$build/$idle_arch" --rounds "${IDLE_COST_ROUNDS:-3}" </dev/null ||
  echo "(ended with $?)"
