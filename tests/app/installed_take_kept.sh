#!/usr/bin/env bash
# End to end on the installed program under a virtual X server, with real clicks and keys:
#  1. a take is recorded; the close button's question is answered Yes and the save page is left
#     without saving: the program stays open, with its take;
#  2. SIGTERM: nothing is asked, the process ends within seconds, the take is kept as a take file in the
#     installation folder that the engine reads back, and the settings are written;
#  3. the next start says where the take was kept, and a SIGTERM while that message is up still ends
#     the program at once.
#   installed_take_kept.sh <build dir> <source dir>
set -euo pipefail

source "$(dirname "$0")/../support/installed_program.sh"
install_program "$1" "$2"
printf '[Piano]\nLeft=0\nTop=0\n' >"$prefix/Piano"

xvfb-run -a -s '-screen 0 800x600x24' bash -c '
  set -u
  prefix=$1 work=$2
  visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
  await() { for _ in $(seq 50); do visible "$1" && return 0; sleep 0.1; done; echo "no window \"$1\""; return 1; }
  ends() { for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done; return 1; }

  "$prefix/piano" & pid=$!
  await "^Piano$" || exit 1
  window=$(xdotool search --onlyvisible --name "^Piano$" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  click() { xdotool mousemove $((X + $1)) $((Y + $2)) sleep 0.2 click 1; sleep 0.4; }
  click 396 44   # record mode
  click 368 44   # start recording
  xdotool windowfocus --sync "$window"; sleep 0.3
  for key in z x c; do xdotool keydown $key; sleep 0.1; xdotool keyup $key; sleep 0.1; done

  click 430 16   # the close button asks about the take
  await "^新建$" || exit 1
  xdotool key Return        # Yes: the save page
  await "^保存文件$" || exit 1
  xdotool key Escape        # left without saving
  sleep 1
  kill -0 $pid 2>/dev/null || { echo "the program closed without the take being saved"; exit 1; }
  visible "^Piano$" || { echo "the main window went away"; exit 1; }

  kill -TERM $pid
  ends $pid || { echo "still running 5 s after SIGTERM"; kill -KILL $pid; exit 1; }
  wait $pid; echo "first=$?" >"$work/first"

  "$prefix/piano" & pid=$!
  await "^录音已保存$" || exit 1
  kill -TERM $pid
  ends $pid || { echo "a message box held the program past SIGTERM"; kill -KILL $pid; exit 1; }
  wait $pid; echo "second=$?" >"$work/second"
' _ "$prefix" "$work" || fail "the program did not behave as described above"

grep -qx "first=0" "$work/first" || fail "the first run did not end cleanly: $(cat "$work/first")"
grep -qx "second=0" "$work/second" || fail "the second run did not end cleanly: $(cat "$work/second")"
takes=("$prefix"/恢复的录音-*.tkb)
[ ${#takes[@]} -eq 1 ] && [ -f "${takes[0]}" ] || fail "no kept take in $prefix: $(ls "$prefix")"
dump=$("$prefix/notewire-dump" --take "${takes[0]}") || fail "the engine refused the kept take"
# Three keys pressed and released: at least their six note messages (the take starts with the programs).
notes=$(grep -c ' 9[0-9A-F] \| 8[0-9A-F] ' <<<"$dump" || true)
[ "$notes" -ge 6 ] || fail "the kept take holds $notes note messages: $dump"
grep -q '^MaxMin=0' "$prefix/Piano" || fail "settings not written"
! grep -q 'RecoveredTake' "$prefix/Piano" || fail "the kept take is announced again at every start"
[ -z "$(ls -A "$prefix" | grep -i 'tmp\|~$' || true)" ] || fail "temporary files left: $(ls "$prefix")"
echo "take kept through the close prompt and SIGTERM: ${takes[0]##*/}, $notes note messages"
