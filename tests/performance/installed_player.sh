#!/usr/bin/env bash
# End to end, as a player plays: the installed program with its shipped key map and first-start
# settings under xvfb-run, real X key and mouse events from xdotool, the engine's device captured.
# The sustain pedal (Delete selects it, Up presses, Down lifts) goes down and up when set; a key held
# while the menu opens is ended and plays again on its next press; every note struck is ended.
#   installed_player.sh <build dir> <source dir>
set -euo pipefail

build="$1"
source="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/Piano"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"
"$source/scripts/register-install" "$prefix" >/dev/null

export NOTEWIRE_CAPTURE="$work/capture.txt"
unset QT_QPA_PLATFORM
xvfb-run -a -s '-screen 0 800x600x24' bash -c '
  "$1/piano" & pid=$!
  window=$(xdotool search --sync --onlyvisible --name "^Piano$" | head -1)
  xdotool windowfocus --sync "$window" mousemove --window "$window" 200 60
  sleep 0.5
  echo "mark pedal" >>"$NOTEWIRE_CAPTURE"
  xdotool key Delete; sleep 0.1; xdotool key Up; sleep 0.3
  echo "mark pedal down" >>"$NOTEWIRE_CAPTURE"
  xdotool key Down; sleep 0.3
  echo "mark menu" >>"$NOTEWIRE_CAPTURE"
  xdotool keydown i; sleep 0.3
  xdotool click 3; sleep 0.5
  xdotool keyup i; sleep 0.2
  xdotool key Escape; sleep 0.5
  echo "mark again" >>"$NOTEWIRE_CAPTURE"
  xdotool keydown i; sleep 0.3; xdotool keyup i; sleep 0.3
  echo "mark end" >>"$NOTEWIRE_CAPTURE"
  kill -TERM $pid
  wait $pid' _ "$prefix" >/dev/null 2>&1 || true

capture="$NOTEWIRE_CAPTURE"
[ -f "$capture" ] || fail "nothing captured"
python3 - "$capture" <<'PY' || exit 1
import sys
section, sounding, found = None, set(), {}
for line in open(sys.argv[1]):
    parts = line.split()
    if parts[0] == "mark":
        section = " ".join(parts[1:])
        continue
    if section is None or section == "end" or len(parts) < 3 or parts[1] != "msg":
        continue
    packed = int(parts[2], 16)
    status, d1, d2 = packed & 0xFF, packed >> 8 & 0xFF, packed >> 16 & 0xFF
    kind, channel = status & 0xF0, status & 0x0F
    if kind == 0x90 and d2 > 0:
        sounding.add((channel, d1))
        found.setdefault(section, []).append(("on", d1))
    elif kind in (0x80, 0x90):
        sounding.discard((channel, d1))
    elif kind == 0xB0 and d1 == 64:
        found.setdefault(section, []).append(("pedal", d2))
def fail(text):
    print("FAIL:", text, found, file=sys.stderr)
    sys.exit(1)
if ("pedal", 77) not in found.get("pedal", []): fail("the pedal did not go down when set")
if ("pedal", 42) not in found.get("pedal down", []): fail("the pedal did not come up when set")
if not any(e[0] == "on" and e[1] == 72 for e in found.get("menu", [])): fail("i did not play")
if not any(e[0] == "on" and e[1] == 72 for e in found.get("again", [])): fail("i held over the menu stayed silent")
if sounding: fail("left sounding: %s" % sorted(sounding))
print("pedal heard when set, a key held over the menu plays again, nothing left sounding")
PY
