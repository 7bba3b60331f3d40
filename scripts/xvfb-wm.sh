#!/usr/bin/env bash
# The X display the window-manager tests (tst_*_wm) run on: a virtual X server with the openbox
# window manager on it, on a display number that is free when it starts, so that two test runs
# on one machine never share or steal each other's display.
#
#   xvfb-wm.sh start STATE           starts both and writes the display and their processes
#                                    into the file STATE (what a former start left there is
#                                    stopped first)
#   xvfb-wm.sh run STATE PROGRAM...  runs PROGRAM on the display named in STATE
#   xvfb-wm.sh stop STATE            stops what STATE names and removes it
#
# The CTest fixture "wm_display" starts and stops it with STATE in the build folder. "start"
# fails when either cannot be started, and "run" when STATE names no display, so that the tests
# needing it fail instead of being skipped.
set -euo pipefail
command="${1:-}"
state="${2:-}"
[ -n "$state" ] || { echo "usage: xvfb-wm.sh start|run|stop STATE [PROGRAM...]" >&2; exit 2; }

# The processes STATE names, each only while it still is the program it was started as.
stop() {
  [ -f "$state" ] || return 0
  local pid program
  for program in openbox Xvfb; do
    pid=$(sed -n "s/^$program=//p" "$state")
    [ -n "$pid" ] || continue
    if [[ "$(cat "/proc/$pid/comm" 2>/dev/null)" == "$program" ]]; then
      kill "$pid" 2>/dev/null || true
      # Gone once it has ended, whether or not its parent has collected it yet.
      for _ in $(seq 50); do
        [[ "$(cut -d' ' -f3 "/proc/$pid/stat" 2>/dev/null)" =~ ^[^ZX]$ ]] || break
        sleep 0.1
      done
    fi
  done
  rm -f "$state"
}

case "$command" in
stop)
  stop
  exit 0
  ;;
run)
  shift 2
  display=$(sed -n 's/^display=//p' "$state" 2>/dev/null || true)
  [ -n "$display" ] || { echo "xvfb-wm.sh: no test display in $state (xvfb-wm.sh start)" >&2; exit 1; }
  DISPLAY="$display" QT_QPA_PLATFORM=xcb exec "$@"
  ;;
start) ;;
*)
  echo "usage: xvfb-wm.sh start|run|stop STATE [PROGRAM...]" >&2
  exit 2
  ;;
esac

for tool in Xvfb openbox xprop xwininfo xlogo; do
  command -v "$tool" >/dev/null || { echo "xvfb-wm.sh: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
stop
mkdir -p "$(dirname "$state")"
logdir="$(cd "$(dirname "$state")" && pwd)/$(basename "$state").logs"
mkdir -p "$logdir"

# The server takes the first display number nobody uses and writes it to the file.
number="$logdir/number"
: >"$number"
setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number" \
  >"$logdir/xvfb.log" 2>&1 </dev/null &
xvfb=$!
for _ in $(seq 300); do
  [ "$(wc -l <"$number")" -gt 0 ] && break
  sleep 0.1
done
n=$(head -n1 "$number")
display=":$n"
printf 'display=%s\nXvfb=%s\n' "$display" "$xvfb" >"$state"
[ -n "$n" ] || { echo "xvfb-wm.sh: the X server does not start ($logdir/xvfb.log)" >&2; stop; exit 1; }

wm_up() {
  local check
  check=$(xprop -display "$display" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) || return 1
  [[ "$check" == *"window id"* ]] || return 1
  # The check window names the manager; a stale property of a manager that is gone names none.
  xprop -display "$display" -id "${check##* }" _NET_WM_NAME >/dev/null 2>&1
}

# The system's own configuration, whatever the user has set up for himself.
config=()
[ -f /etc/xdg/openbox/rc.xml ] && config=(--config-file /etc/xdg/openbox/rc.xml)
DISPLAY="$display" setsid openbox "${config[@]}" >"$logdir/openbox.log" 2>&1 </dev/null &
echo "openbox=$!" >>"$state"
# A busy machine may take its time.
for _ in $(seq 300); do
  wm_up && break
  sleep 0.1
done
wm_up || { echo "xvfb-wm.sh: the window manager on $display does not start ($logdir/openbox.log)" >&2; stop; exit 1; }
echo "xvfb-wm.sh: $display is running with a window manager ($state)"
