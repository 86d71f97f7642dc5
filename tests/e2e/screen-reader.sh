#!/usr/bin/env bash
# The viewer as a screen reader meets it: a session bus and the accessibility bus (AT-SPI) of
# the test's own, the program started framed on the current X display with Qt's accessibility
# on, and screen_reader.py reading and pressing through the bus.
# Usage: screen-reader.sh PROGRAM. Ends with 77 (skipped) when the bus or Python's pyatspi is
# missing.
set -euo pipefail
program=${1:?program}
here=$(cd "$(dirname "$0")" && pwd)
launcher=$(compgen -G "/usr/lib*/at-spi2-core/at-spi-bus-launcher" ||
  compgen -G "/usr/libexec/at-spi-bus-launcher" || true)
launcher=${launcher%%$'\n'*}
# The system's Python: pyatspi comes with Debian's python3-pyatspi.
python=/usr/bin/python3
[ -n "$launcher" ] && command -v dbus-run-session >/dev/null &&
  "$python" -c 'import pyatspi' 2>/dev/null || {
  echo "screen reader: the accessibility bus or pyatspi is missing"
  exit 77
}
export ORVANE_PROGRAM=$program ORVANE_LAUNCHER=$launcher ORVANE_READER="$here/screen_reader.py"
exec dbus-run-session -- bash -c '
  set -euo pipefail
  log=$(mktemp)
  "$ORVANE_LAUNCHER" --launch-immediately >/dev/null 2>&1 &
  launcher=$!
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$ORVANE_PROGRAM" --windowed >"$log" 2>&1 &
  pid=$!
  status=0
  /usr/bin/python3 "$ORVANE_READER" || status=$?
  kill -0 "$pid" 2>/dev/null || { echo "screen reader: the program ended" >&2; cat "$log" >&2; status=1; }
  kill "$pid" "$launcher" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -f "$log"
  exit "$status"
' 2> >(grep -v "Failed to set fd limit\|Activating service\|Successfully activated\|SpiRegistry daemon" >&2)
