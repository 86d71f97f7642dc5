#!/usr/bin/env bash
# Measures the scene images: generation time of all of them (wall clock, two threads), the
# total PNG size, and decode time of the ten textures on one and two threads with libpng and,
# when Qt 6 is there, with QImage. Pass --survey to also compare PNG encoder options.
# Usage: assets/tools/measure-assets.sh [--survey]   (BUILD_DIR defaults to build-assets)
# Reports numbers; asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD_DIR:-build-assets}
cmake --build "$build" -j2 --target orvane_asset_gen orvane_asset_timing >/dev/null
qt_tool=""
if cmake --build "$build" -j2 --target orvane_asset_timing_qt >/dev/null 2>&1; then
  qt_tool="$build/assets/orvane_asset_timing_qt"
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
load=$(cut -d' ' -f1 /proc/loadavg)
TIMEFORMAT='%R s wall clock, %U s user CPU'
echo -n "generation of all images, 2 threads (load average before: $load): "
{ time "$build/assets/orvane_asset_gen" "$out" --threads 2 >/dev/null; } 2>&1
total=$(cat "$out"/*.png | wc -c)
textures=$(cat "$out"/{planet,mimas,enceladus,tethys,dione,rhea,titan,iapetus,sky,rings}.png | wc -c)
echo "PNG bytes: $textures for the ten textures, $total with the About picture and icons"
"$build/assets/orvane_asset_timing" "$@"
if [ -n "$qt_tool" ]; then "$qt_tool"; fi
