#!/usr/bin/env bash
# The program on Wayland: a headless Weston compositor of its own (1920 x 1080, CPU renderer),
# the program started with Qt's Wayland platform, no X display at all. It must keep running,
# cover the output full screen with the glided-in planet in the middle and the side panel at
# the top left (captured with weston-screenshooter), and end when asked to.
# Usage: wayland.sh PROGRAM. Ends with 77 (skipped) when Weston or Qt's Wayland plugin is
# missing.
set -euo pipefail
program=${1:?program}
command -v weston >/dev/null && command -v weston-screenshooter >/dev/null || {
  echo "wayland: weston is not installed"
  exit 77
}
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so" >/dev/null || {
  echo "wayland: Qt's Wayland platform plugin (qt6-wayland) is not installed"
  exit 77
}
work=$(mktemp -d)
chmod 700 "$work"
compositor="" pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$compositor" ] && kill "$compositor" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "wayland: FAILED: $*" >&2
  for log in "$work"/*.log; do echo "--- $log" >&2 && tail -n 30 "$log" >&2; done
  exit 1
}
export XDG_RUNTIME_DIR=$work
unset DISPLAY
weston --backend=headless-backend.so --socket=orvane-test --width=1920 --height=1080 \
  --use-pixman --debug --idle-time=0 >"$work/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 1 100); do
  [ -S "$work/orvane-test" ] && break
  sleep 0.1
done
[ -S "$work/orvane-test" ] || fail "weston did not start"
export WAYLAND_DISPLAY=orvane-test
QT_QPA_PLATFORM=wayland "$program" >"$work/program.log" 2>&1 &
pid=$!

# Brightness (0 to 255) of the capture's pixel at x, y.
brightness() { convert "$1" -format "%[fx:int(255*p{$2,$3}.intensity)]" info:; }
# Blue over red of the pixel at x, y (the panel's dark blue): "blue red".
blue_red() { convert "$1" -format "%[fx:int(255*p{$2,$3}.b)] %[fx:int(255*p{$2,$3}.r)]" info:; }
shows_the_planet() {  # inside the rim above, at and below the centre; the sky just beyond it
  local shot=$1
  for y in 310 540 770; do [ "$(brightness "$shot" 960 "$y")" -gt 40 ] || return 1; done
  for y in 260 820; do [ "$(brightness "$shot" 960 "$y")" -lt 40 ] || return 1; done
}
shot=""
for _ in $(seq 1 60); do
  kill -0 "$pid" 2>/dev/null || fail "the program ended"
  sleep 1
  rm -f "$work"/wayland-screenshot-*.png
  (cd "$work" && weston-screenshooter >/dev/null 2>&1) || continue
  shot=$(compgen -G "$work/wayland-screenshot-*.png" | head -n 1) || continue
  shows_the_planet "$shot" && break
done
[ -n "$shot" ] || fail "no capture of the output could be made"
[ "$(identify -format '%w %h' "$shot")" = "1920 1080" ] || fail "the output is not 1920 x 1080"
cp "$shot" "${ORVANE_E2E_PICTURES:-$work}/wayland.png" 2>/dev/null || true
shows_the_planet "$shot" || fail "the glided-in planet does not fill the middle of the output"
read -r blue red <<<"$(blue_red "$shot" 50 200)"
[ "$blue" -gt 70 ] && [ "$blue" -gt $((red + 20)) ] || fail "no side panel at the top left"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "wayland: the planet full screen on Weston's headless output, panel shown"
