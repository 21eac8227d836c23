#!/usr/bin/env bash
# End to end on the installed program under a virtual X server with no window manager (so the system
# move is refused and the window moves by hand), with real mouse events:
#  1. dragging the top strip moves the window by the drag; a drag below the strip does not;
#  2. the resize button enlarges the window in place (the same window, 675 x 315, still mapped) and a
#     note key still plays; a second click shrinks it back to where it was;
#  3. SIGTERM writes the place and the layout.
#   installed_window_moves.sh <build dir> <source dir>
set -euo pipefail

source "$(dirname "$0")/../support/installed_program.sh"
install_program "$1" "$2"
printf '[Piano]\nLeft=100\nTop=80\n' >"$prefix/Piano"

xvfb-run -a -s '-screen 0 1000x700x24' bash -c '
  set -u
  prefix=$1 work=$2
  await() { for _ in $(seq 50); do xdotool search --onlyvisible --name "^Piano$" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
  ends() { for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done; return 1; }
  geometry() { eval "$(xdotool getwindowgeometry --shell "$window")"; echo "$X $Y $WIDTH $HEIGHT"; }
  drag() {  # <x> <y> <dx> <dy>, window coordinates
    read -r x y _ < <(geometry)
    xdotool mousemove $((x + $1)) $((y + $2)) sleep 0.2 mousedown 1 sleep 0.1 \
      mousemove $((x + $1 + $3 / 2)) $((y + $2 + $4 / 2)) sleep 0.1 \
      mousemove $((x + $1 + $3)) $((y + $2 + $4)) sleep 0.2 mouseup 1
    sleep 0.4
  }

  "$prefix/piano" & pid=$!
  await || { echo "no main window"; exit 1; }
  window=$(xdotool search --onlyvisible --name "^Piano$" | head -1)
  start=$(geometry)
  [ "$start" = "100 80 450 210" ] || { echo "started at $start"; exit 1; }

  drag 60 10 50 30
  [ "$(geometry)" = "150 110 450 210" ] || { echo "after dragging the strip: $(geometry)"; exit 1; }
  drag 60 100 40 40   # over the control section: nothing moves
  [ "$(geometry)" = "150 110 450 210" ] || { echo "a drag below the strip moved it: $(geometry)"; exit 1; }

  xdotool mousemove $((150 + 416)) $((110 + 16)) sleep 0.2 click 1; sleep 0.6
  read -r x y w h < <(geometry)
  [ "$w $h" = "675 315" ] || { echo "enlarged to $w x $h"; exit 1; }
  xdotool search --onlyvisible --name "^Piano$" | grep -qx "$window" || { echo "a new window replaced the old"; exit 1; }
  xdotool windowfocus --sync "$window"; sleep 0.2
  xdotool keydown z; sleep 0.2; xdotool keyup z; sleep 0.3
  # The resize button of the enlarged layout.
  xdotool mousemove $((x + 637)) $((y + 22)) sleep 0.2 click 1; sleep 0.6
  [ "$(geometry)" = "150 110 450 210" ] || { echo "shrunk to $(geometry)"; exit 1; }
  drag 60 10 -20 -10
  [ "$(geometry)" = "130 100 450 210" ] || { echo "after the second drag: $(geometry)"; exit 1; }

  kill -TERM $pid
  ends $pid || { echo "still running 5 s after SIGTERM"; kill -KILL $pid; exit 1; }
  wait $pid; echo "ended=$?" >"$work/ended"
' _ "$prefix" "$work" || fail "the window did not behave as described above"

grep -qx "ended=0" "$work/ended" || fail "the program did not end cleanly: $(cat "$work/ended")"
grep -qx "Left=130" "$prefix/Piano" && grep -qx "Top=100" "$prefix/Piano" || fail "place not written: $(cat "$prefix/Piano")"
grep -qx "MaxMin=0" "$prefix/Piano" || fail "layout not written"
python3 - "$capture" <<'PY' || fail "the note key played nothing in the enlarged layout"
import sys
ons = [int(p[2], 16) for p in (l.split() for l in open(sys.argv[1])) if len(p) > 2 and p[1] == "msg"]
sys.exit(0 if any(m & 0xF0 == 0x90 and m >> 16 & 0xFF for m in ons) else 1)
PY
echo "the window moved by its strip, changed layout in place and wrote its place"
