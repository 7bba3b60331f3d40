#!/usr/bin/env bash
# Makes sure the X display the window-manager tests run on (":90", or VDL_WM_DISPLAY) is up:
# a virtual X server with the openbox window manager on it. Starts what is not running and
# leaves running what is, so it may be called any number of times. Fails when either cannot
# be started, so that the tests needing them fail instead of being skipped.
set -euo pipefail
display="${VDL_WM_DISPLAY:-:90}"
logdir="${TMPDIR:-/tmp}/vdl-wm${display#:}"
mkdir -p "$logdir"

for tool in Xvfb openbox xprop xwininfo xlogo; do
  command -v "$tool" >/dev/null || { echo "xvfb-wm.sh: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

server_up() { xprop -display "$display" -root >/dev/null 2>&1; }
wm_up() {
  local check
  check=$(xprop -display "$display" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) || return 1
  [[ "$check" == *"window id"* ]] || return 1
  # The check window names the manager; a stale property of a manager that is gone names none.
  xprop -display "$display" -id "${check##* }" _NET_WM_NAME >/dev/null 2>&1
}

if ! server_up; then
  # The server removes a lock file whose process is gone by itself.
  setsid Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$logdir/xvfb.log" 2>&1 </dev/null &
  for _ in $(seq 100); do
    server_up && break
    sleep 0.1
  done
  server_up || { echo "xvfb-wm.sh: the X server on $display does not start ($logdir/xvfb.log)" >&2; exit 1; }
fi

if ! wm_up; then
  # The system's own configuration, whatever the user has set up for himself.
  config=()
  [ -f /etc/xdg/openbox/rc.xml ] && config=(--config-file /etc/xdg/openbox/rc.xml)
  DISPLAY="$display" setsid openbox "${config[@]}" >"$logdir/openbox.log" 2>&1 </dev/null &
  for _ in $(seq 100); do
    wm_up && break
    sleep 0.1
  done
  wm_up || { echo "xvfb-wm.sh: the window manager on $display does not start ($logdir/openbox.log)" >&2; exit 1; }
fi
echo "xvfb-wm.sh: $display is running with a window manager"
