#!/usr/bin/env bash
# Builds everything and starts the Quenna program (its x86_64 build: the
# 32-bit deliverable cannot run here) with the demo character, under Wine.
# Installs what it needs first (as root on a fresh Debian machine).
#
# With a display (DISPLAY set) the program runs there until it is ended
# from its menu ("終了(&E)"). Without one it runs under Xvfb for RUN_SECONDS
# (default 10), a screenshot of the screen is saved, and the program is
# then asked to close as a user would close it, so that it writes
# setting.dat.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
jobs=$(nproc)
headless=${DISPLAY:+no}
headless=${headless:-yes}

"$root/scripts/install-deps.sh"

for arch in i686 x86_64; do
  cmake -S "$root" -B "$build/$arch" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
done
cmake --build "$build/i686" -j "$jobs"

. "$root/scripts/lib/session.sh"
# The build runs Windows tools (the packer, the demo character's generator)
# in the build's own Wine state.
session_start "$build/x86_64/wine" "${DISPLAY:+user}"
cmake --build "$build/x86_64" -j "$jobs"

program="$build/x86_64/editions/quenna/quenna.exe"
archive="$build/x86_64/demo/quenna.pac"

# The program runs in a Wine state of its own, so that its settings folders
# stay out of the documents folder the tests use.
state="$build/x86_64/run-wine"
session_start "$state" user
user_dir="$state/prefix/drive_c/users/$(id -un)"
documents=$(readlink -f "$user_dir/Documents")
# The program reads and writes setting.dat here but never makes the folders.
settings_folder="$documents/Quillmarsh/ヴェルヴェーン　デスクトップアクセサリー/クエンナ編"
mkdir -p "$settings_folder"

# The archive is opened relative to the working folder.
work="$build/x86_64/run"
mkdir -p "$work"
cp "$archive" "$work/quenna.pac"
cd "$work"

if [ "$headless" = no ]; then
  echo "run: Quenna is on display $DISPLAY; end it with 終了(&E) from its right-click or tray menu."
  "$root/scripts/wine-exec" "$state" "$program"
else
  echo "run: no display; Quenna runs under Xvfb ($DISPLAY) for ${RUN_SECONDS:-10} s."
  "$root/scripts/wine-exec" "$state" "$program" &
  pid=$!
  sleep "${RUN_SECONDS:-10}"
  import -window root "$work/screenshot.png"
  echo "run: screenshot saved to $work/screenshot.png"
  # taskkill without /F posts WM_CLOSE to the program's window: the same
  # road as its exit command, so the settings are written.
  "$root/scripts/wine-exec" "$state" taskkill /im quenna.exe >/dev/null
  wait "$pid"
fi

if [ -f "$settings_folder/setting.dat" ]; then
  echo "run: the settings are in $settings_folder/setting.dat"
else
  echo "run: setting.dat was not written" >&2
  exit 1
fi
