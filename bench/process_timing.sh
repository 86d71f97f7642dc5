#!/usr/bin/env bash
# Whole-process figures of the real program on the current display, as "key value" lines
# (scripts/bench turns them into its table): the render pass against the cheapest frame
# (probe_frame), start-up to the first presented frame and the resident memory once settled
# and at its peak (probe_startup, medians of 7 runs, each paired with a run of the PNG
# texture path), start-up to the planet on screen read from the X server (probe_visible, the
# median of 7 runs), screenshots (probe_screenshot) and the cost idle, animating and hidden
# (probe_idle).
# Usage: bench/process_timing.sh BUILD_DIR
set -euo pipefail
build=${1:?build dir}
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
figure() { awk -v key="$1" '$1 == key { print $2; exit }' <<<"$2"; }
# Runs a probe; fails with its output when it does not end well.
probe() {
  local out status=0
  out=$("$build/bench/$1" "${@:2}" 2>"$build/$1.log") || status=$?
  if [ "$status" -ne 0 ]; then
    echo "process_timing: $1 failed (exit code $status); its output:" >&2
    printf '%s\n' "$out" >&2
    cat "$build/$1.log" >&2
    exit 1
  fi
  printf '%s\n' "$out"
}

probe probe_frame

# Start-up: the packed textures made ahead (the program) and the PNG files decoded on worker
# threads (the path the program had before), interleaved in pairs, alternating which goes
# first; the ratio is the median of the pairs' ratios.
# start_run [--png]: one start-up; prints "FIRST_FRAME_MS PEAK_MB SETTLED_MB".
start_run() {
  local start out frame
  start=$(date +%s%N)
  out=$(probe probe_startup "$@")
  frame=$(figure first-frame-ns "$out")
  if ! [[ $frame =~ ^[0-9]+$ ]]; then
    echo "process_timing: probe_startup printed no first-frame-ns figure: $out" >&2
    exit 1
  fi
  echo "# start-up ${1:-packed}: first frame after $(((frame - start) / 1000000)) ms; $(tr '\n' ' ' <<<"$out")" >&2
  echo "$(((frame - start) / 1000000)) $(figure peak-rss-mb "$out") $(figure settled-rss-mb "$out")"
}
firsts=() peaks=() settled=() pngs=() png_peaks=() ratios=()
for run in 1 2 3 4 5 6 7; do
  if ((run % 2)); then
    read -r first peak settle < <(start_run)
    read -r png png_peak _ < <(start_run --png)
  else
    read -r png png_peak _ < <(start_run --png)
    read -r first peak settle < <(start_run)
  fi
  firsts+=("$first") peaks+=("$peak") settled+=("$settle") pngs+=("$png") png_peaks+=("$png_peak")
  ratios+=("$(awk -v a="$first" -v b="$png" 'BEGIN { printf "%.3f", a / b }')")
done
echo "first-frame-ms $(printf '%s\n' "${firsts[@]}" | median)"
echo "first-frame-png-ms $(printf '%s\n' "${pngs[@]}" | median)"
echo "first-frame-ratio $(printf '%s\n' "${ratios[@]}" | median)"
echo "peak-rss-mb $(printf '%s\n' "${peaks[@]}" | median)"
echo "settled-rss-mb $(printf '%s\n' "${settled[@]}" | median)"
echo "png-peak-rss-mb $(printf '%s\n' "${png_peaks[@]}" | median)"

# Start-up as a person meets it: from the program's start to the planet at the middle of the
# screen, read from the X server by a program outside the viewer (the real program, which
# starts itself again on huge pages as it does for a user).
visibles=()
for run in 1 2 3 4 5 6 7; do
  out=$(probe probe_visible "$build/src/app/Orvane")
  visibles+=("$(figure first-visible-ms "$out")")
done
echo "# start-up to the planet on screen: ${visibles[*]} ms" >&2
echo "first-visible-ms $(printf '%s\n' "${visibles[@]}" | median)"

probe probe_screenshot
probe probe_idle
