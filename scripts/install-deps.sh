#!/usr/bin/env bash
# Installs what the build, the tests and the demo run need on a Debian machine.
# Quick when everything is already there: it only calls apt when a package is missing.
#
# 32-bit Wine (wine32:i386, which runs the i686 deliverables) comes from the
# mirror's i386 packages. When they cannot be installed the rest is still
# installed, and the reason is written to $WINE32_STATUS_FILE (when set) so
# that the caller can say which tests did not run; an empty file means that
# 32-bit Wine is installed (whether the machine runs it is tried apart, by
# session_wine32_missing in scripts/lib/session.sh).
set -euo pipefail

packages=(
  cmake ninja-build
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  libz-mingw-w64-dev libboost-dev googletest
  wine wine64 xvfb xauth x11-utils locales
  fonts-ipafont-gothic xdotool imagemagick
  dovecot-pop3d python3
)
# Wine loads the X extensions it uses at run time; its 32-bit loader needs
# their i386 builds as the 64-bit one has the amd64 builds (without XRandR,
# for one, a 32-bit program cannot change the display mode).
wine32_packages=(
  wine32:i386
  libxrandr2:i386 libxrender1:i386 libxi6:i386 libxcursor1:i386
  libxinerama1:i386 libxcomposite1:i386 libxxf86vm1:i386 libxfixes3:i386
)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: $1; run as root" >&2
    exit 1
  fi
}

wine32_reason=""
report_wine32() {
  if [ -n "${WINE32_STATUS_FILE:-}" ]; then
    printf '%s' "$wine32_reason" >"$WINE32_STATUS_FILE"
  fi
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done

updated=no
if [ ${#missing[@]} -gt 0 ]; then
  need_root "missing packages (${missing[*]})"
  echo "install-deps: installing ${missing[*]}"
  apt-get update -q
  updated=yes
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

wine32_missing=()
for p in "${wine32_packages[@]}"; do
  installed "$p" || wine32_missing+=("$p")
done
if [ ${#wine32_missing[@]} -gt 0 ]; then
  need_root "missing packages (${wine32_missing[*]})"
  echo "install-deps: installing ${wine32_missing[*]}"
  log=$(mktemp)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    updated=no
  fi
  if { [ "$updated" = yes ] || apt-get update -q >"$log" 2>&1; } &&
     DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
       "${wine32_missing[@]}" >"$log" 2>&1; then
    :
  else
    # apt's last error line says why (an unmet dependency, a missing index).
    why=$(grep -E '^(E:|W:| )' "$log" | tail -n 1 | sed 's/^ *//')
    wine32_reason="apt-get could not install 32-bit Wine (${wine32_missing[*]})${why:+: $why}"
    echo "install-deps: $wine32_reason" >&2
  fi
  rm -f "$log"
fi
report_wine32

# Code page 932 under Wine needs the Japanese UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  need_root "locale ja_JP.UTF-8 missing"
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
