#!/usr/bin/env bash
# The headless LibreOffice that tests/calculator/tst_officesuite starts for itself: however the
# test ends (a crash, a time-out, a kill), its suite ends too and leaves nothing in the temp
# folder. The test writes into the file STATE the process group of its suite ("group=") and the
# one folder that holds the suite's profile, its temporary files and the test's own files
# ("folder=", a vdlRechnerOffice-* folder).
#
#   office-suite.sh run STATE PROGRAM...  ends what a former run left in STATE, then runs
#                                         PROGRAM with VDL_OFFICE_STATE=STATE
#   office-suite.sh stop STATE            ends the suite STATE names, removes its folder, the
#                                         sockets of its pipes and STATE
#
# The CTest fixture "office_suite" stops it after the last run, with STATE in the build folder,
# so a suite of another build folder is never touched. A process group counts as the suite only
# while one of its processes still names the folder on its command line.
set -euo pipefail
command="${1:-}"
state="${2:-}"
[ -n "$state" ] || { echo "usage: office-suite.sh run|stop STATE [PROGRAM...]" >&2; exit 2; }

# The processes of the group that run with the recorded folder.
suite_processes() {
  local pid
  for pid in $(pgrep -g "$group" 2>/dev/null || true); do
    tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF "$folder/" && echo "$pid"
  done
  return 0
}

# The socket files those processes listen on (the suite's pipes, which stay in /tmp when the
# suite is killed).
pipe_files() {
  local pid inodes
  inodes=$(for pid in "$@"; do ls -l "/proc/$pid/fd" 2>/dev/null; done | sed -n 's/.*socket:\[\([0-9]*\)\]$/\1/p' | sort -u)
  [ -n "$inodes" ] || return 0
  awk -v inodes="$inodes" 'BEGIN { n = split(inodes, list, "\n"); for (i = 1; i <= n; ++i) ours[list[i]] = 1 }
    ($7 in ours) && $8 ~ /^\// { print $8 }' /proc/net/unix | sort -u
}

stop() {
  [ -f "$state" ] || return 0
  group=$(sed -n 's/^group=//p' "$state")
  folder=$(sed -n 's/^folder=//p' "$state")
  # Only a folder the test made; anything else in STATE is not ours to remove.
  [[ "$(basename "$folder")" == vdlRechnerOffice-* && "$folder" == /* ]] || folder=""
  if [[ "$group" =~ ^[0-9]+$ && -n "$folder" ]]; then
    local processes pipes
    mapfile -t processes < <(suite_processes)
    if [ "${#processes[@]}" -gt 0 ]; then
      pipes=$(pipe_files "${processes[@]}")
      # A suite the test had stopped takes the request to end once it continues.
      kill -TERM -- "-$group" 2>/dev/null || true
      kill -CONT -- "-$group" 2>/dev/null || true
      for _ in $(seq 50); do
        [ -n "$(suite_processes)" ] || break
        sleep 0.1
      done
      [ -z "$(suite_processes)" ] || kill -KILL -- "-$group" 2>/dev/null || true
      for _ in $(seq 50); do
        [ -n "$(suite_processes)" ] || break
        sleep 0.1
      done
      local pipe
      for pipe in $pipes; do
        [ -S "$pipe" ] && rm -f "$pipe"
      done
    fi
  fi
  [ -n "$folder" ] && rm -rf "$folder"
  rm -f "$state"
}

case "$command" in
stop)
  stop
  ;;
run)
  shift 2
  stop
  mkdir -p "$(dirname "$state")"
  VDL_OFFICE_STATE="$state" exec "$@"
  ;;
*)
  echo "usage: office-suite.sh run|stop STATE [PROGRAM...]" >&2
  exit 2
  ;;
esac
