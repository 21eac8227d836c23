#!/usr/bin/env bash
# End to end, as a player plays: the installed program with its shipped key map and first-start
# settings under xvfb-run, real X key and mouse events from xdotool, the engine's device captured.
# A table of action sequences, each marked in the capture and each ending with everything released:
# no note of any of them is left sounding, and each is heard as it should be.
#   installed_player.sh <build dir> <source dir>
set -euo pipefail

source "$(dirname "$0")/../support/installed_program.sh"
install_program "$1" "$2"

# A song written here: its first record sets 240 beats a minute (a quarter note every 250 ms), then
# twelve quarter notes of velocity 100. It is the song list's only entry.
song="$work/tempo240.mid"
python3 - "$song" <<'PY'
import struct, sys
track = bytes([0x00, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90])  # 250000 microseconds a quarter note
for i, pitch in enumerate([60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79]):
    track += bytes([0 if i == 0 else 48, 0x90, pitch, 100, 48, 0x80, pitch, 0])
track += bytes([0x00, 0xFF, 0x2F, 0x00])
with open(sys.argv[1], "wb") as f:
    f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 96) + b"MTrk" + struct.pack(">I", len(track)) + track)
PY
printf '%s\n' "$song" >"$prefix/Files"

# Window points (normal layout): the effects mode button, effect cells 5 and 0 of the control panel,
# the enlarge / shrink button in both layouts, the level meter, the first text line, the first song,
# the stop button.
xvfb-run -a -s '-screen 0 800x600x24' bash -c '
  "$1/piano" & pid=$!
  window=$(xdotool search --sync --onlyvisible --name "^Piano$" | head -1)
  xdotool windowfocus --sync "$window" mousemove --window "$window" 200 60
  sleep 0.5
  mark() { echo "mark $*" >>"$NOTEWIRE_CAPTURE"; }
  click() { xdotool mousemove --window "$window" "$1" "$2" sleep 0.1 click --repeat "${3:-1}" --delay 80 1; sleep 0.3; }

  mark pedal
  xdotool key Delete; sleep 0.1; xdotool key Up; sleep 0.3
  mark pedal up
  xdotool key Down; sleep 0.3

  mark menu
  xdotool keydown i; sleep 0.3
  xdotool click 3; sleep 0.5
  xdotool keyup i; sleep 0.2
  xdotool key Escape; sleep 0.5
  mark again
  xdotool keydown i; sleep 0.3; xdotool keyup i; sleep 0.3

  click 105 100          # effects mode
  click 229 105          # effect cell 5: two octaves over every key
  mark effect cell
  xdotool keydown i; sleep 0.3
  click 139 105          # effect cell 0 while i is held
  xdotool keyup i; sleep 0.3

  mark layout
  xdotool keydown i; sleep 0.3
  click 416 16           # enlarge while i is held
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "width $WIDTH" >>"$NOTEWIRE_CAPTURE"
  xdotool keyup i; sleep 0.3
  click 636 22           # and back
  sleep 0.3

  click 180 70 2         # the level meter: the text lines
  click 180 55           # a text line: the song list
  mark song
  click 150 53 2         # the first song
  sleep 2
  click 368 44           # stop
  sleep 0.5
  mark end
  kill -TERM $pid
  wait $pid' _ "$prefix" >/dev/null 2>&1 || true

[ -f "$capture" ] || fail "nothing captured"
python3 - "$capture" <<'PY' || exit 1
import sys

# Every note-on, pedal value and release, by section; and what is left sounding when each ends.
sections, order, section, sounding = {}, [], None, set()
left_at_end = {}
for line in open(sys.argv[1]):
    parts = line.split()
    if parts[0] == "mark":
        if section is not None:
            left_at_end[section] = set(sounding)
        section = " ".join(parts[1:])
        order.append(section)
        sections[section] = []
        continue
    if parts[0] == "width":
        sections[section].append(("width", int(parts[1])))
        continue
    if section is None or section == "end" or len(parts) < 3 or parts[1] != "msg":
        continue
    packed = int(parts[2], 16)
    status, d1, d2 = packed & 0xFF, packed >> 8 & 0xFF, packed >> 16 & 0xFF
    kind, channel = status & 0xF0, status & 0x0F
    if kind == 0x90 and d2 > 0:
        sounding.add((channel, d1))
        sections[section].append(("on", d1, d2, int(parts[0])))
    elif kind in (0x80, 0x90):
        sounding.discard((channel, d1))
    elif kind == 0xB0 and d1 == 64:
        sections[section].append(("pedal", d2))

def notes(name):
    return [e for e in sections.get(name, []) if e[0] == "on"]

def pitches(name):
    return {e[1] for e in notes(name)}

def song_gaps(name):
    times = [e[3] for e in notes(name)]
    return [b - a for a, b in zip(times, times[1:])]

# The song-volume slider at its first-start place scales a velocity of 100 to (100 / 10) x 8.
song_velocity = 80
expectations = {
    "pedal": ("the pedal goes down when set", lambda: ("pedal", 77) in sections["pedal"]),
    "pedal up": ("the pedal comes up when set", lambda: ("pedal", 42) in sections["pedal up"]),
    "menu": ("i plays", lambda: 72 in pitches("menu")),
    "again": ("i held over the menu plays again", lambda: 72 in pitches("again")),
    "effect cell": ("i plays two octaves", lambda: {72, 84, 96} <= pitches("effect cell")),
    "layout": ("i plays and the window is enlarged",
               lambda: 72 in pitches("layout") and ("width", 675) in sections["layout"]),
    "song": ("the song plays from its first notes at the song volume, 250 ms apart",
             lambda: len(notes("song")) >= 5
             and all(e[2] == song_velocity for e in notes("song"))
             and all(170 <= gap <= 330 for gap in song_gaps("song"))),
}
failures = []
for name, (what, holds) in expectations.items():
    if name not in sections:
        failures.append("%s: never reached" % name)
        continue
    if not holds():
        failures.append("%s: %s, but got %s" % (name, what, sections[name]))
    if left_at_end.get(name):
        failures.append("%s: left sounding %s" % (name, sorted(left_at_end[name])))
if failures:
    print("FAIL:\n  " + "\n  ".join(failures), file=sys.stderr)
    sys.exit(1)
print("every sequence heard as played and nothing left sounding; song gaps %s ms at velocity %d"
      % (song_gaps("song"), song_velocity))
PY
