# Shared by scripts/run, scripts/test and scripts/bench: the system packages the project needs,
# their installation, and the builds.
# shellcheck shell=bash

ORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ORVANE_JOBS=$(nproc 2>/dev/null || echo 2)

ORVANE_PACKAGES=(
  # tool chain, test frameworks, and git (the formatting check lists the files through it)
  cmake g++ make pkg-config clang-format git libgtest-dev libbenchmark-dev
  # clang with libFuzzer and the sanitizers' runtime, for the fuzz targets
  clang libclang-rt-dev
  # Qt 6 with OpenGL, the image plugins (TIFF) and the X11 platform plugin
  qt6-base-dev libqt6opengl6-dev qt6-qpa-plugins qt6-image-formats-plugins
  # images (GIF files are written with giflib; the scene textures are packed with LZ4), OpenGL
  # and Mesa's software rasterizer
  libpng-dev zlib1g-dev libgif-dev liblz4-dev libgl-dev libegl-dev libgl1-mesa-dri libglx-mesa0 libegl-mesa0
  # a virtual display, driving it, its monitors (xrandr) and capturing it; fonts (the program
  # carries Open Sans)
  xvfb xauth xdotool x11-utils x11-xserver-utils libx11-dev imagemagick fonts-dejavu-core
  fonts-open-sans
  # Wayland: a headless compositor for the end-to-end test, and Qt's Wayland platform plugin
  weston qt6-wayland
  # a screen reader's view: the accessibility bus and Python's client of it
  dbus at-spi2-core python3-pyatspi
  # the Debian package (scripts/package-check): dpkg-shlibdeps finds its library dependencies,
  # and the desktop entry and the AppStream metainfo are validated
  dpkg-dev desktop-file-utils appstream
)

# A step's title, with the minutes and seconds since the script started.
orvane_log() {
  printf '\033[1m==> [%d:%02d] %s\033[0m\n' $((SECONDS / 60)) $((SECONDS % 60)) "$*" >&2
}

# Prints the reason and ends the script with a failure.
orvane_fail() {
  printf '\033[1;31mFAILED: %s\033[0m\n' "$*" >&2
  exit 1
}

# Installs the packages that are not installed yet (apt-get, through sudo when not root).
orvane_install_missing() {
  local missing=() p
  for p in "${ORVANE_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  orvane_log "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
}

# CMake options every build of the calling script adds (scripts/test adds -DORVANE_WERROR=ON).
# A build tree keeps them in its cache, so a later build of the same tree keeps them too.
ORVANE_CMAKE_OPTIONS=()

# orvane_build DIR [cmake options...] [-- TARGET...]: configures DIR and builds the targets
# named after "--" (everything without them). The build's progress goes to stderr.
orvane_build() {
  local dir=$1 options=() targets=()
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    options+=("$1")
    shift
  done
  [ $# -gt 0 ] && shift
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake -S "$ORVANE_ROOT" -B "$dir" "${options[@]}" "${ORVANE_CMAKE_OPTIONS[@]}" >/dev/null
  cmake --build "$dir" -j "$ORVANE_JOBS" "${targets[@]}" >&2
}

# The release build used by run, test and bench; orvane_build_release [TARGET...] builds only
# the targets named (everything without one).
ORVANE_RELEASE_DIR="$ORVANE_ROOT/build/release"
orvane_build_release() {
  orvane_build "$ORVANE_RELEASE_DIR" -DCMAKE_BUILD_TYPE=Release -- "$@"
}
