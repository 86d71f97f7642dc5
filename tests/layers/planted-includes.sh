#!/usr/bin/env bash
# The layering check on a copy of src/: it passes as the tree stands, and fails, naming the
# line, on each include planted against the table: a layer reaching up, the GL device reaching
# into the windows, the scene core including the GL device, and a folder the table lacks.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/src" "$work/src"
"$root/scripts/check-layers" "$work/src" >/dev/null

plant() {  # FILE INCLUDE: appends the include to a fresh copy's file
  rm -rf "$work/planted" && cp -r "$work/src" "$work/planted"
  echo "#include \"$2\"" >>"$work/planted/$1"
}
expect_refused() {  # MESSAGE: the check fails and prints it
  local out
  if out=$("$root/scripts/check-layers" "$work/planted" 2>&1); then
    echo "not refused: $1" >&2
    exit 1
  fi
  grep -qF "$1" <<<"$out" || { echo "refused without naming: $1; it said:" >&2; echo "$out" >&2; exit 1; }
}

plant scene/math/Point3D.h scene/view/Viewport3DCore.h
expect_refused "scene/math/Point3D.h:"
expect_refused "scene/math may not include scene/view/Viewport3DCore.h"
plant gl/GLDevice.h ui/qt/FormWindow.h
expect_refused "gl may not include ui/qt/FormWindow.h"
plant scene/tree/SceneNode.cpp gl/GLDevice.h
expect_refused "the scene core must not include Qt or GL headers"
plant app/Program.h app/Program.h
mkdir -p "$work/planted/newfolder" && echo '// new' >"$work/planted/newfolder/New.h"
expect_refused "newfolder/New.h: in no layer of the table"
echo "check-layers refuses every planted include"
