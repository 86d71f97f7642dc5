#!/usr/bin/env bash
# Recording's speed as "key value" lines (scripts/bench turns them into its table): for an
# MP4, a WebM and a GIF at 1280 x 720 and 1920 x 1080, the frames made a second over 60
# frames (2 s at 30 frames a second), and the share of that time spent waiting on the encoder,
# the rest drawing, from the program's own split (ORVANE_RECORD_TIMING). The encoders' own
# threads run beside the drawing: what they take from it shows as slower drawing.
# Usage: bench/record_timing.sh BUILD_DIR
set -euo pipefail
build=${1:?build dir}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
for size in 1280x720 1920x1080; do
  for kind in mp4 webm gif; do
    # "orvane: 60 frames, drawing 6.111 s, encoding 0.435 s"
    line=$(env -u DISPLAY -u WAYLAND_DISPLAY ORVANE_RECORD_TIMING=1 "$build/src/app/Orvane" \
      --record "$folder/clip.$kind" --seconds 2 --fps 30 --size "$size" 2>&1 >/dev/null)
    awk -v key="$kind-$size" '$3 == "frames," {
      total = $5 + $8
      printf "%s-fps %.1f\n%s-encoding-percent %.0f\n", key, $2 / total, key, 100 * $8 / total
    }' <<<"$line"
  done
done
