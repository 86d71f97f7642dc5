#!/usr/bin/env bash
# Whole-process figures of the real program on the current display, as "key value" lines
# (scripts/bench turns them into its table): the render pass against the cheapest frame
# (probe_frame), start-up to the first presented frame and the resident memory once settled
# and at its peak (probe_startup, medians of 7 runs), screenshots (probe_screenshot) and the
# idle cost with nothing moving (probe_idle).
# Usage: bench/process_timing.sh BUILD_DIR
set -euo pipefail
build=${1:?build dir}
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
figure() { awk -v key="$1" '$1 == key { print $2; exit }' <<<"$2"; }
# Runs a probe; fails with its output when it does not end well.
probe() {
  local out status=0
  out=$("$build/bench/$1" 2>"$build/$1.log") || status=$?
  if [ "$status" -ne 0 ]; then
    echo "process_timing: $1 failed (exit code $status); its output:" >&2
    printf '%s\n' "$out" >&2
    cat "$build/$1.log" >&2
    exit 1
  fi
  printf '%s\n' "$out"
}

probe probe_frame

firsts=() peaks=() settled=()
for run in 1 2 3 4 5 6 7; do
  start=$(date +%s%N)
  out=$(probe probe_startup)
  frame=$(figure first-frame-ns "$out")
  if ! [[ $frame =~ ^[0-9]+$ ]]; then
    echo "process_timing: probe_startup printed no first-frame-ns figure: $out" >&2
    exit 1
  fi
  firsts+=($(((frame - start) / 1000000)))
  peaks+=("$(figure peak-rss-mb "$out")")
  settled+=("$(figure settled-rss-mb "$out")")
  echo "# start-up run $run: first frame after ${firsts[-1]} ms; $(tr '\n' ' ' <<<"$out")" >&2
done
echo "first-frame-ms $(printf '%s\n' "${firsts[@]}" | median)"
echo "peak-rss-mb $(printf '%s\n' "${peaks[@]}" | median)"
echo "settled-rss-mb $(printf '%s\n' "${settled[@]}" | median)"

probe probe_screenshot
probe probe_idle
