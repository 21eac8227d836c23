#!/usr/bin/env bash
# End to end, under a virtual X server: the program starts over an installation with two songs in its
# song list; the user shows the list and double-clicks the first song; the song's notes must reach the
# device (a capture file) in order and at the song's tempo.
#   e2e_song_list.sh <build dir> <source dir> <midi folder>
set -euo pipefail

build=$1 source=$2 smf=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

install=$tmp/install
cmake --install "$build" --prefix "$install" >/dev/null
export XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data TMPDIR=$tmp
"$source/scripts/register-install" "$install" >/dev/null
printf '%s\n%s\n' "$smf/test-c-major-scale.mid" "$smf/test-2-tracks-type-1.mid" > "$install/Files"
printf '[Piano]\nLeft=0\nTop=0\n' > "$install/Piano"

export NOTEWIRE_CAPTURE=$tmp/capture.txt NOTEWIRE_AUDIO_DRIVER=file NOTEWIRE_AUDIO_FILE=/dev/null
unset QT_QPA_PLATFORM
xvfb-run -a -s '-screen 0 800x600x24' bash -c '
install=$1
"$install/piano" &
pid=$!

window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "^Piano\$" 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the main window did not appear"; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y

click() { xdotool mousemove $((X + $1)) $((Y + $2)) sleep 0.2 click --repeat "$3" --delay 80 1; sleep 0.3; }
click 180 70 2   # double-click on the level meter: the text lines
click 180 55 1   # a click on a text line: the song list
click 150 53 2   # double-click on the first row
sleep 5
kill "$pid"; wait "$pid" 2>/dev/null || true
' _ "$install"

# Note-ons that reached the device: "<ms> msg <8 hex digits: data2 data1 status>" (velocity 0 is a release).
times=() notes=()
while read -r ms word packed; do
  [ "$word" = msg ] || continue
  value=$((16#$packed))
  status=$((value & 0xF0)) note=$(((value >> 8) & 0xFF)) velocity=$(((value >> 16) & 0xFF))
  if [ "$status" -eq $((0x90)) ] && [ "$velocity" -gt 0 ]; then
    times+=("$ms") notes+=("$note")
  fi
done < "$tmp/capture.txt"

expected="60 62 64 65 67 69 71 72"
got="${notes[*]:0:8}"
[ "$got" = "$expected" ] || { echo "notes: got '$got', expected '$expected'"; exit 1; }
# Quarter notes at the file's default 120 beats a minute: 500 ms apart.
for i in $(seq 1 7); do
  gap=$((times[i] - times[i - 1]))
  if [ "$gap" -lt 440 ] || [ "$gap" -gt 560 ]; then
    echo "note $i came $gap ms after the one before, expected 500"
    exit 1
  fi
done
echo "eight notes, 500 ms apart"
