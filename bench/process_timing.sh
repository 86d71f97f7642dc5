#!/usr/bin/env bash
# Whole-process figures of the real program on the current display: the time from process
# start to the first presented frame with the texture decoding's share (median of 5 runs),
# the idle CPU time over 10 seconds with every animation stopped, and the cost of a frame with
# and without the 2D layer (label, side panel, information texts).
# Usage: bench/process_timing.sh BUILD_DIR
set -euo pipefail
build=${1:?build dir}
runs=()
for i in 1 2 3 4 5; do
  start=$(date +%s%N)
  status=0
  out=$("$build/bench/probe_startup" 2>"$build/probe_startup.log") || status=$?
  frame=$(awk '/^first-frame-ns/ {print $2; exit}' <<<"$out")
  # Without the figure there is no time to compute: the program failed before its first frame.
  if [ "$status" -ne 0 ] || ! [[ $frame =~ ^[0-9]+$ ]]; then
    echo "process_timing: run $i: probe_startup failed (exit code $status) or printed no" \
      "first-frame-ns figure; its output:" >&2
    [ -z "$out" ] || printf '%s\n' "$out" >&2
    cat "$build/probe_startup.log" >&2
    exit 1
  fi
  ms=$(( (frame - start) / 1000000 ))
  runs+=("$ms")
  echo "run $i: first frame after ${ms} ms; $(grep -v first-frame <<<"$out" | tr '\n' ' ')"
done
median=$(printf '%s\n' "${runs[@]}" | sort -n | sed -n 3p)
echo "first frame, median of 5: ${median} ms"
"$build/bench/probe_idle" 2>/dev/null
"$build/bench/probe_frame" 2>/dev/null
