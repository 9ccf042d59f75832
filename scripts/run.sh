#!/usr/bin/env bash
# Builds the deliverables and starts one edition's program (the 32-bit
# deliverable, in Wine's 32-bit loader) with its demo character, under
# Wine:
#   scripts/run.sh [quenna|pelmo|tavri|sorlun|ivrel]     (quenna by default)
# Installs what it needs first (as root on a fresh Debian machine). Where
# 32-bit programs cannot run (no 32-bit Wine, a machine that runs no 32-bit
# code, or WITHOUT_32BIT=1) it says so and starts the x86_64 twin through
# Wine's 64-bit loader.
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
export SESSION_DISPLAY=${DISPLAY:+user}

editions="quenna pelmo tavri sorlun ivrel"
edition=${1:-quenna}
if [ $# -gt 1 ] || [[ " $editions " != *" $edition "* ]]; then
  echo "usage: scripts/run.sh [${editions// /|}]" >&2
  exit 2
fi
# The edition's table is its folder's one source of its names.
table="$root/editions/$edition/${edition}_edition.cpp"
if [ ! -f "$table" ]; then
  echo "run: the $edition edition is not built yet (there is no editions/$edition); built are:" \
    $(cd "$root/editions" && for d in */; do [ -f "$d${d%/}_edition.cpp" ] && printf '%s ' "${d%/}"; done) >&2
  exit 1
fi
table_text() { # field: the string the table gives it
  sed -n "s/.*\.$1 = \"\(.*\)\".*/\1/p" "$table" | head -n1
}
archive_name=$(table_text archiveName)
folder_word=$(table_text folderWord)
if [ -z "$archive_name" ] || [ -z "$folder_word" ]; then
  echo "run: cannot read the archive name or the settings folder word from $table" >&2
  exit 1
fi

. "$root/scripts/lib/build.sh"
build_prepare
arch=i686
build_target i686
if [ -n "$WINE32_MISSING" ]; then
  echo "run: the 32-bit program cannot run here ($WINE32_MISSING); starting its x86_64 twin"
  arch=x86_64
  build_target x86_64
fi

program="$build/$arch/editions/$edition/$edition.exe"
archive="$build/$arch/demo/$edition.pac"
for made in "$program" "$archive"; do
  [ -f "$made" ] || { echo "run: the build made no $made" >&2; exit 1; }
done

# The program runs in a Wine state of its own, so that its settings folders
# stay out of the documents folder the tests use.
state="$build/run-wine"
session_start "$state" user
user_dir="$state/prefix/drive_c/users/$(id -un)"
documents=$(readlink -f "$user_dir/Documents")
# The program reads and writes setting.dat here but never makes the folders.
# Wine keeps the names, code page 932 bytes in the program, as UTF-8 here;
# some of their characters end in the byte 0x5C ("ソ" of Sorlun's word),
# which only the program's side must not take for a separator.
settings_folder="$documents/Quillmarsh/ヴェルヴェーン　デスクトップアクセサリー/$folder_word"
mkdir -p "$settings_folder"

# The archive is opened relative to the working folder.
work="$build/run/$edition"
mkdir -p "$work"
cp "$archive" "$work/$archive_name"
cd "$work"

if [ "$headless" = no ]; then
  echo "run: $edition is on display $DISPLAY; end it with 終了(&E) from its right-click or tray menu."
  "$root/scripts/wine-exec" "$state" "$program"
else
  echo "run: no display; $edition runs under Xvfb ($DISPLAY) for ${RUN_SECONDS:-10} s."
  "$root/scripts/wine-exec" "$state" "$program" &
  pid=$!
  sleep "${RUN_SECONDS:-10}"
  import -window root "$work/screenshot.png"
  echo "run: screenshot saved to $work/screenshot.png"
  # taskkill without /F posts WM_CLOSE to the program's window: the same
  # road as its exit command, so the settings are written. Only Wine's
  # loader of the program's own architecture sees its process, and the
  # state's loader is the 64-bit one wherever the x86_64 twin runs.
  "$root/scripts/wine-exec" "$state" taskkill /im "$edition.exe" >/dev/null
  wait "$pid"
fi

if [ -f "$settings_folder/setting.dat" ]; then
  echo "run: the settings are in $settings_folder/setting.dat"
else
  echo "run: setting.dat was not written" >&2
  exit 1
fi
