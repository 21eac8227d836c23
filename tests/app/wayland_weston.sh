#!/usr/bin/env bash
# Wayland, end to end: starts a headless Weston on a private runtime folder, then
#  1. the window test binary on it (show, enlarge, shrink in place, SIGTERM with settings written);
#  2. the installed program on it, started enlarged, ended with SIGTERM: the device is closed and the
#     settings are written.
#   wayland_weston.sh <build dir> <source dir> <window test binary>
set -euo pipefail

build="$1"
source="$2"
window_test="$3"
work="$(mktemp -d)"
weston_pid=""
cleanup() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/weston.log" ] && tail -20 "$work/weston.log" >&2; exit 1; }

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY
weston --backend=headless-backend.so --socket=piano-test --idle-time=0 --width=1280 --height=800 \
  >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/piano-test" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/piano-test" ] || fail "weston did not start"
export WAYLAND_DISPLAY=piano-test QT_QPA_PLATFORM=wayland
export NOTEWIRE_AUDIO_DRIVER=file NOTEWIRE_AUDIO_FILE=/dev/null

"$window_test" || fail "the window test failed on Wayland"

prefix="$work/Piano"
cmake --install "$build" --prefix "$prefix" >/dev/null
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"
"$source/scripts/register-install" "$prefix" >/dev/null
printf '[Piano]\nLeft=100\nTop=100\nMaxMin=1\n' >"$prefix/Piano"
export NOTEWIRE_CAPTURE="$work/capture.txt"

"$prefix/piano" 2>"$work/piano.err" & pid=$!
# Start-up ends by opening the device.
for _ in $(seq 100); do grep -q ' open ' "$NOTEWIRE_CAPTURE" 2>/dev/null && break; sleep 0.1; done
grep -q ' open ' "$NOTEWIRE_CAPTURE" 2>/dev/null || { kill -KILL $pid; fail "piano did not start: $(cat "$work/piano.err")"; }
kill -0 $pid || fail "piano did not keep running: $(cat "$work/piano.err")"
kill -TERM $pid
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && { kill -KILL $pid; fail "still running after SIGTERM"; }
wait $pid || fail "piano ended with $?"
tail -1 "$NOTEWIRE_CAPTURE" | grep -q ' close$' || fail "device not closed last"
grep -q '^MaxMin=1' "$prefix/Piano" || fail "settings not written at shutdown: $(cat "$prefix/Piano")"
echo "window and installed program ran on Wayland and ended cleanly on SIGTERM"
