# Sourced by the build and run scripts: starts the services that Windows
# programs under Wine need for one build folder and stops them on exit.
#   session_wine32_missing    prints why 32-bit programs cannot run here,
#                             nothing when they can; WITHOUT_32BIT=1 makes
#                             it act as if the machine ran no 32-bit code.
#   session_start STATE_DIR [xvfb|user]
#                             prepares the Wine prefix, starts the Wine
#                             server detached and, unless "user" asks for
#                             the user's display (DISPLAY), an Xvfb
#                             display. May be called for several states:
#                             they share one Xvfb display, and each
#                             server ends on exit.
#   session_start_pop3 DIR    starts a Dovecot POP3 server on 127.0.0.1
#                             from a config of its own under DIR, with one
#                             mailbox of known content, and exports its
#                             port, account and mailbox figures as
#                             ACCESSORY_POP3_* for the mail tests.

SESSION_STATES=()
SESSION_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

session_cleanup() {
  local state
  for state in "${SESSION_STATES[@]}"; do
    WINEPREFIX="$state/prefix" wineserver -k >/dev/null 2>&1 || true
  done
  if [ -n "${SESSION_POP3_PIDFILE:-}" ] && [ -s "$SESSION_POP3_PIDFILE" ]; then
    kill "$(cat "$SESSION_POP3_PIDFILE")" >/dev/null 2>&1 || true
  fi
  if [ -n "${SESSION_XVFB_PID:-}" ]; then
    kill "$SESSION_XVFB_PID" >/dev/null 2>&1 || true
  fi
}

# Wine's two loaders. Debian's `wine` starts the 32-bit one whenever it is
# installed, and it starts 64-bit programs in turn; the 64-bit one runs
# only 64-bit programs but needs no 32-bit code from the machine.
SESSION_WINE32_LOADER=/usr/lib/wine/wine
SESSION_WINE64_LOADER=/usr/lib/wine/wine64

session_wine32_missing() {
  if [ -n "${WITHOUT_32BIT:-}" ] && [ "$WITHOUT_32BIT" != 0 ]; then
    echo "WITHOUT_32BIT=$WITHOUT_32BIT asks to act as if this machine ran no 32-bit code"
  elif ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
    echo "32-bit Wine (wine32:i386) is not installed"
  else
    # Installed is not enough: some machines' kernels run no 32-bit code
    # at all, and only starting a 32-bit program tells.
    local why
    if ! why=$("$SESSION_WINE32_LOADER" --version 2>&1 </dev/null); then
      case "$why" in
        *"Exec format error"*) echo "this machine runs no 32-bit code ($SESSION_WINE32_LOADER: Exec format error)" ;;
        *) echo "Wine's 32-bit loader does not start ($SESSION_WINE32_LOADER --version: $(tail -n 1 <<<"$why"))" ;;
      esac
    fi
  fi
}

# Sets SESSION_LOADER, the loader the states use, from why 32-bit programs
# cannot run (session_wine32_missing): Debian's wrapper where they can, as
# the deliverables run, else the 64-bit loader alone.
session_loader_for() {
  if [ -z "$1" ]; then
    SESSION_LOADER=wine
  else
    SESSION_LOADER=$SESSION_WINE64_LOADER
  fi
}

# Runs a Windows program in the state being started, through its loader.
session_wine() {
  WINEDEBUG=-all "$SESSION_ROOT/scripts/wine-exec" "$SESSION_STATE" "$@" </dev/null >/dev/null 2>&1
}

session_start_xvfb() {
  # One display serves every state of the session.
  [ -z "${SESSION_XVFB_PID:-}" ] || return 0
  local fdfile="$SESSION_STATE/xvfb.display"
  rm -f "$fdfile"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac 3>"$fdfile" \
    </dev/null >/dev/null 2>&1 &
  SESSION_XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  [ -s "$fdfile" ] || { echo "session: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$fdfile")"
}

session_start() {
  SESSION_STATE=$1
  SESSION_STATES+=("$1")
  local with_display=${2:-xvfb}
  mkdir -p "$SESSION_STATE/home"
  trap session_cleanup EXIT
  if [ "$with_display" = xvfb ] || [ -z "${DISPLAY:-}" ]; then
    session_start_xvfb
  fi
  export WINEPREFIX="$SESSION_STATE/prefix" HOME_FOR_WINE="$SESSION_STATE/home"
  # Every Wine call for this state, by these scripts, CTest and the build's
  # own tools (all through wine-exec), goes to the loader named here.
  [ -n "${SESSION_LOADER:-}" ] || session_loader_for "$(session_wine32_missing)"
  echo "$SESSION_LOADER" >"$SESSION_STATE/loader"
  # A prefix is used through the loader that made it (one made before this
  # record was kept was made by `wine`): a state made for the other road
  # is made again. So is one made before 32-bit Wine was installed: it has
  # no 32-bit system folder, and once 32-bit Wine is there it runs nothing
  # at all, not even 64-bit programs.
  local made_by=wine remake=""
  [ ! -s "$SESSION_STATE/prefix-loader" ] || made_by=$(<"$SESSION_STATE/prefix-loader")
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    :
  elif [ "$made_by" != "$SESSION_LOADER" ]; then
    remake="was made through $made_by, not $SESSION_LOADER"
  elif [ "$SESSION_LOADER" = wine ] && [ -z "$(ls -A "$WINEPREFIX/drive_c/windows/syswow64" 2>/dev/null)" ]; then
    remake="predates 32-bit Wine"
  fi
  if [ -n "$remake" ]; then
    echo "session: the Wine prefix $remake; making it again"
    WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "session: creating the Wine prefix (once per build folder)"
    echo "$SESSION_LOADER" >"$SESSION_STATE/prefix-loader"
    # Through the 64-bit loader alone it only notes that it could not
    # start the 32-bit rundll32.
    session_wine wineboot -i || true
  fi
  # A server left by wineboot or an earlier run would go away on its own
  # later; wait for it so that the persistent one below is the only one.
  # (The server writes the new prefix's registry as it ends.)
  timeout 30 wineserver -w </dev/null >/dev/null 2>&1 || wineserver -k >/dev/null 2>&1 || true
  [ -f "$WINEPREFIX/system.reg" ] ||
    { echo "session: $SESSION_LOADER could not make the Wine prefix $WINEPREFIX" >&2; return 1; }
  # Start the Wine server and services once, detached from every pipe:
  # otherwise the first test's services inherit CTest's output and it
  # waits for them for ever.
  HOME="$HOME_FOR_WINE" WINEDEBUG=-all wineserver -p </dev/null >/dev/null 2>&1
  session_wine cmd /c exit
  # Xvfb runs no window manager, so Wine would wait 2 s for one at every
  # hide or destroy of a visible window: let Wine place the windows itself.
  # Set on every start: the server writes the registry to disk only when it
  # ends of itself, which the persistent one never does.
  session_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
  unset WINEPREFIX
}

session_start_pop3() {
  local dir=$1 port message
  rm -rf "$dir"
  mkdir -p "$dir/run" "$dir/state" "$dir/mail/new" "$dir/mail/cur" "$dir/mail/tmp"
  port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  export ACCESSORY_POP3_PORT=$port ACCESSORY_POP3_USER=tester ACCESSORY_POP3_PASSWORD=letmein
  printf '%s:{PLAIN}%s\n' "$ACCESSORY_POP3_USER" "$ACCESSORY_POP3_PASSWORD" >"$dir/users"
  # Two messages with CR LF line ends, so their size on disk is the size
  # the server reports.
  for message in 1 2; do
    printf 'From: sender@example.test\r\nSubject: test %s\r\n\r\nBody of message %s.\r\n' \
      "$message" "$message" >"$dir/mail/new/$message.test:2,"
  done
  export ACCESSORY_POP3_MESSAGES=2
  ACCESSORY_POP3_OCTETS=$(cat "$dir"/mail/new/* | wc -c)
  export ACCESSORY_POP3_OCTETS
  chown -R nobody:nogroup "$dir/mail"
  cat >"$dir/dovecot.conf" <<EOF
protocols = pop3
listen = 127.0.0.1
base_dir = $dir/run
state_dir = $dir/state
log_path = $dir/dovecot.log
ssl = no
disable_plaintext_auth = no
auth_failure_delay = 0
default_internal_user = nobody
default_login_user = nobody
mail_location = maildir:$dir/mail
passdb {
  driver = passwd-file
  args = scheme=PLAIN $dir/users
}
userdb {
  driver = static
  args = uid=nobody gid=nogroup
}
service pop3-login {
  chroot =
  inet_listener pop3 {
    port = $port
  }
}
service anvil {
  chroot =
}
EOF
  SESSION_POP3_PIDFILE="$dir/run/master.pid"
  dovecot -c "$dir/dovecot.conf" </dev/null >"$dir/start.log" 2>&1 ||
    { echo "session: dovecot did not start (see $dir)" >&2; return 1; }
  for _ in $(seq 100); do
    python3 -c 'import socket, sys; socket.create_connection(("127.0.0.1", int(sys.argv[1])), 1)' "$port" \
      2>/dev/null && return 0
    sleep 0.1
  done
  echo "session: dovecot does not answer on port $port (see $dir)" >&2
  return 1
}
