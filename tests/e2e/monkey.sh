#!/usr/bin/env bash
# Random but bounded use of the real program on the current X display, as a restless person
# would: clicks and drags on bodies, empty space and the panel, wheel turns, double-clicks,
# right-clicks with the menu closed by Escape or by choosing "Auto-rotate", "Show names",
# "Show info" or "Full screen", and the keys Space, Enter, Tab and Escape. The seed is printed
# first: the same seed sends the same events. Afterwards the program must still answer (a
# double-click on the sky shows or hides the panel, which the capture shows) and end cleanly
# through "Exit". Prints the events sent and the resident memory after the first minute (or
# the first quarter of a shorter run) and at the end.
# Usage: monkey.sh PROGRAM SECONDS [SEED]
set -euo pipefail
program=${1:?program}
seconds=${2:?seconds}
seed=${3:-$(date +%s)}
echo "monkey: seed $seed, $seconds s"
RANDOM=$seed
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "monkey: FAILED (seed $seed): $*" >&2
  [ -f "$work/program.log" ] && tail -n 40 "$work/program.log" >&2
  exit 1
}
rss_mb() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
capture() { import -window "$window" "$1" 2>/dev/null; }

"$program" >"$work/program.log" 2>&1 &
pid=$!
window=""
for _ in $(seq 1 300); do
  window=$(xdotool search --onlyvisible --name "Moons of Orvane" 2>/dev/null | head -n 1) || true
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended while starting"
  sleep 0.1
done
sleep 4  # the glide
read -r width height < <(xdotool getdisplaygeometry)
point() { echo $((RANDOM % width)) $((RANDOM % height)); }
# Somewhere on the panel's buttons (40 to 185 across, 40 to 393 down).
panel_point() { echo $((60 + RANDOM % 110)) $((50 + RANDOM % 330)); }
menu_choose() {  # opens the menu at a random point and takes item $1 (1-based) by the keys
  xdotool mousemove $(point) click 3
  sleep "${2:-0.3}"
  for _ in $(seq 1 "$1"); do xdotool key Down; done
  xdotool key Return
}

events=0 start=$SECONDS rss_early="" early_at=$((seconds < 240 ? seconds / 4 : 60))
while [ $((SECONDS - start)) -lt "$seconds" ]; do
  kill -0 "$pid" 2>/dev/null || fail "the program ended after $events events"
  case $((RANDOM % 12)) in
    0 | 1) xdotool mousemove $(point) click 1 ;;
    2) xdotool mousemove $(panel_point) click 1 ;;
    3)
      xdotool mousemove $(point) mousedown 1
      for _ in 1 2 3 4; do xdotool mousemove_relative -- $((RANDOM % 81 - 40)) $((RANDOM % 81 - 40)); done
      xdotool mouseup 1
      ;;
    4) xdotool mousemove $(point) click --repeat $((1 + RANDOM % 3)) $((4 + RANDOM % 2)) ;;
    5) xdotool mousemove $(point) click --repeat 2 --delay 80 1 ;;
    6) xdotool mousemove $(point) click 3 && sleep 0.2 && xdotool key Escape ;;
    7) menu_choose $((1 + RANDOM % 4)) ;;
    8) xdotool key space ;;
    9) xdotool key Return ;;
    10) xdotool key Tab ;;
    *) xdotool key Escape ;;
  esac
  events=$((events + 1))
  sleep 0.0$((RANDOM % 3))
  if [ -z "$rss_early" ] && [ $((SECONDS - start)) -ge "$early_at" ]; then rss_early=$(rss_mb "$pid"); fi
done
kill -0 "$pid" 2>/dev/null || fail "the program ended after $events events"
rss_end=$(rss_mb "$pid")

# Still answering: a double-click on the sky in the window's lower right corner shows or hides
# the panel (the window may be full screen or framed, as the monkey left it).
xdotool key Escape
sleep 1
capture "$work/before.png"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH - 6)) $((HEIGHT - 6)) click --repeat 2 --delay 80 1
sleep 1.5
capture "$work/after.png"
changed=$(compare -metric AE -crop 150x360+40+40 "$work/before.png" "$work/after.png" null: 2>&1 || true)
if ! [ "${changed%% *}" -gt 2000 ] 2>/dev/null; then
  cp "$work/before.png" "$work/after.png" "${MONKEY_PICTURES:-/tmp}/" 2>/dev/null || true
  fail "the panel did not change on a double-click ($changed pixels)"
fi

# "Exit", the menu's last item (tried again should a slow build not have opened the menu in
# time for the keys).
for attempt in 1 2 3; do
  xdotool key Escape
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT - 20)) click 3
  sleep $((attempt * 2))
  for _ in 1 2 3 4 5 6 7; do xdotool key Down; done
  xdotool key Return
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break 2
    sleep 0.1
  done
done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "\"Exit\" did not end the program"; }
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "monkey: $events events, resident memory ${rss_early:-?} MB early and $rss_end MB at the end, ended cleanly"
