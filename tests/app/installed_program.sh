#!/usr/bin/env bash
# End to end: install into a temporary folder, record it, start the installed program under xvfb-run with
# the engine's device captured, check that a second launch leaves at once, then end the program with
# SIGTERM and check that it closed the device and wrote its settings.
#   installed_program.sh <build dir> <source dir>
set -euo pipefail

source "$(dirname "$0")/../support/installed_program.sh"
# A comma and a blank in the path: the recorded value must still read back as one path.
install_program "$1" "$2" "My Piano,1"
grep -qxF "Install=\"$prefix\"" "$XDG_CONFIG_HOME/Brenvik.conf" || fail "registry value not written"
[ -f "$XDG_DATA_HOME/applications/piano.desktop" ] || fail "no desktop entry"
[ "$(wc -l <"$prefix/TkbFile")" -eq 11 ] || fail "TkbFile does not list the eleven patterns"

xvfb-run -a -s '-screen 0 800x600x24' bash -c '
  "$1/piano" & pid=$!
  sleep 3
  kill -0 $pid || { echo "piano did not keep running"; exit 1; }
  timeout 10 "$1/piano"; echo "second=$?" >"$2/second"
  kill -TERM $pid
  wait $pid; echo "first=$?" >"$2/first"' _ "$prefix" "$work"

grep -qx "first=0" "$work/first" || fail "piano did not end cleanly: $(cat "$work/first")"
grep -qx "second=0" "$work/second" || fail "second launch: $(cat "$work/second")"
[ "$(grep -c ' open ' "$NOTEWIRE_CAPTURE")" -eq 1 ] || fail "device not opened exactly once"
head -1 "$NOTEWIRE_CAPTURE" | grep -q ' open -1$' || fail "device -1 not opened first"
tail -1 "$NOTEWIRE_CAPTURE" | grep -q ' close$' || fail "device not closed last"
grep -q '^MaxMin=0' "$prefix/Piano" || fail "settings not written at shutdown"
[ -f "$prefix/Key" ] || [ -f "$prefix/Files" ] || fail "lists not created"
echo "installed program started, refused a second instance and closed cleanly"
