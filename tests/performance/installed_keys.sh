#!/usr/bin/env bash
# End to end: the installed program under xvfb-run, real X key events from xdotool, the engine's device
# captured. A letter plays its slot; the keypad's 1 with NumLock off (the End key's symbol) still has the
# keypad's own code, so it plays the slot mapped to that code and not the one of the End key.
#   installed_keys.sh <build dir> <source dir>
set -euo pipefail

source "$(dirname "$0")/../support/installed_program.sh"
install_program "$1" "$2"

# Key file: slot n sounds 35 + n; the keypad's 1 (code 0x61) plays slot 2, every other key slot 1.
key="$prefix/Key"
head -c 419 /dev/zero >"$key"
for slot in $(seq 1 60); do
  printf "\\$(printf '%03o' $((35 + slot)))" | dd of="$key" bs=1 seek=$((60 + slot)) conv=notrunc status=none
done
printf '\001' | dd of="$key" bs=1 seek=$((121 + 0x61)) conv=notrunc status=none
# No harmony effect, so each press is one note.
printf '[Piano]\nButton6=0\n' >"$prefix/Piano"

xvfb-run -a -s '-screen 0 800x600x24' bash -c '
  "$1/piano" & pid=$!
  window=$(xdotool search --sync --onlyvisible --name "^Piano$" | head -1)
  xdotool windowfocus --sync "$window" mousemove --window "$window" 200 60
  sleep 0.5
  xdotool keydown a; sleep 0.2; xdotool keyup a; sleep 0.2
  xdotool keydown KP_End; sleep 0.2; xdotool keyup KP_End; sleep 0.2
  kill -TERM $pid
  wait $pid' _ "$prefix" >/dev/null 2>&1 || true

[ -f "$capture" ] || fail "nothing captured"
# Note-ons of pitch 36 (0x24) then 37 (0x25) with a velocity, each followed by its release.
notes=$(grep -o 'msg 00[0-9a-f]\{2\}2[45]9[0-9a-f]' "$capture" | sed 's/msg 00\(..\)\(..\)9./\2:\1/')
[ "$(grep -v ':00$' <<<"$notes" | sed 's/:.*//' | tr '\n' ' ')" = "24 25 " ] ||
  fail "wrong notes: $(tr '\n' ' ' <<<"$notes")"
[ "$(grep -c ':00$' <<<"$notes")" -eq 2 ] || fail "releases missing: $(tr '\n' ' ' <<<"$notes")"
echo "keys played their slots in the installed program: $(tr '\n' ' ' <<<"$notes")"
