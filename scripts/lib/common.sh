# Shared by scripts/run, scripts/test and scripts/bench: the system packages the project needs,
# their installation, and the builds.
# shellcheck shell=bash

ORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ORVANE_JOBS=$(nproc 2>/dev/null || echo 2)

# What building and running the viewer need (scripts/run).
ORVANE_BUILD_PACKAGES=(
  # the tool chain
  cmake g++ make pkg-config
  # Qt 6 with OpenGL, the image plugins (TIFF) and the X11 platform plugin
  qt6-base-dev libqt6opengl6-dev qt6-qpa-plugins qt6-image-formats-plugins
  # images (GIF files are written with giflib; the scene textures are packed with LZ4), OpenGL
  # and Mesa's software rasterizer
  libpng-dev zlib1g-dev libgif-dev liblz4-dev libgl-dev libegl-dev libgl1-mesa-dri libglx-mesa0 libegl-mesa0
  # recordings: FFmpeg's libraries encode the videos (H.264 and VP9 encoders come with them)
  libavcodec-dev libavformat-dev libswscale-dev libavutil-dev
  # fonts (the program carries Open Sans, taken from here when it is built)
  fonts-dejavu-core fonts-open-sans
)
# What scripts/run needs besides, on a machine without a display: a virtual screen, the window
# looked for and the screen captured.
ORVANE_HEADLESS_RUN_PACKAGES=(xvfb xauth xdotool imagemagick)
# What the tests need besides (scripts/test and the scripts it runs).
ORVANE_TEST_PACKAGES=(
  # test and benchmark frameworks, the formatting check (git lists the files), and ccache,
  # which the builds compile through when it is there
  libgtest-dev libbenchmark-dev clang-format git ccache
  # clang with libFuzzer and the sanitizers' runtime, for the fuzz targets
  clang libclang-rt-dev
  # virtual displays, driving them, their monitors (xrandr) and capturing them
  xvfb xauth xdotool x11-utils x11-xserver-utils libx11-dev imagemagick
  # Wayland: a headless compositor for the end-to-end test, and Qt's Wayland platform plugin
  weston qt6-wayland
  # a screen reader's view: the accessibility bus and Python's client of it
  dbus at-spi2-core python3-pyatspi
  # the Debian package (scripts/package-check): dpkg-shlibdeps finds its library dependencies,
  # Debian's checker and the desktop entry's and AppStream metainfo's validators look at it,
  # and an orvane package installed before the check is kept as it was (dpkg-repack) to be put
  # back afterwards
  dpkg-dev lintian desktop-file-utils appstream dpkg-repack
)

# A step's title, with the minutes and seconds since the script started.
orvane_log() {
  printf '\033[1m==> [%d:%02d] %s\033[0m\n' $((SECONDS / 60)) $((SECONDS % 60)) "$*" >&2
}

# Stages with their times: orvane_stage TITLE ends the stage before (if any), starts the next and
# logs its title; orvane_stage_report prints each stage's minutes and seconds and the total,
# marking the last as failed when STATUS is not 0 (scripts/test calls it however it ends).
ORVANE_STAGE_TITLES=()
ORVANE_STAGE_TIMES=()
ORVANE_STAGE_STARTED=""
orvane_stage() {
  orvane_stage_end
  ORVANE_STAGE_TITLES+=("$1")
  ORVANE_STAGE_STARTED=$SECONDS
  orvane_log "$1"
}
orvane_stage_end() {
  [ -n "$ORVANE_STAGE_STARTED" ] || return 0
  ORVANE_STAGE_TIMES+=($((SECONDS - ORVANE_STAGE_STARTED)))
  ORVANE_STAGE_STARTED=""
}
orvane_stage_report() {
  local failed=false
  [ "${1:-0}" -ne 0 ] && failed=true
  orvane_stage_end
  [ ${#ORVANE_STAGE_TITLES[@]} -gt 0 ] || return 0
  local i t
  printf '\n%-72s %7s\n' "Stage" "time" >&2
  for i in "${!ORVANE_STAGE_TITLES[@]}"; do
    t=${ORVANE_STAGE_TIMES[$i]}
    printf '%-72s %4d:%02d' "${ORVANE_STAGE_TITLES[$i]}" $((t / 60)) $((t % 60)) >&2
    $failed && [ "$i" -eq $((${#ORVANE_STAGE_TITLES[@]} - 1)) ] && printf '  FAILED' >&2
    printf '\n' >&2
  done
  printf '%-72s %4d:%02d\n' "Total" $((SECONDS / 60)) $((SECONDS % 60)) >&2
}

# Prints the reason and ends the script with a failure.
orvane_fail() {
  printf '\033[1;31mFAILED: %s\033[0m\n' "$*" >&2
  exit 1
}

# orvane_install_missing PACKAGE...: installs those not installed yet (apt-get, through sudo
# when not root).
orvane_install_missing() {
  local missing=() p
  for p in "$@"; do
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

# What the tests need: the build's packages and the tests' own.
orvane_install_for_tests() {
  orvane_install_missing "${ORVANE_BUILD_PACKAGES[@]}" "${ORVANE_TEST_PACKAGES[@]}"
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

# The sanitizer and fuzz builds compile every target eight files at a time as one (a unity
# build): they build in about half the time. The release build compiles the program file by
# file, as it ships, and batches only its tests (cmake/TestBuildSpeed.cmake).
ORVANE_BATCHED_BUILD=(-DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=8)

# The release build used by run, test and bench; orvane_build_release [TARGET...] builds only
# the targets named (everything without one).
ORVANE_RELEASE_DIR="$ORVANE_ROOT/build/release"
orvane_build_release() {
  orvane_build "$ORVANE_RELEASE_DIR" -DCMAKE_BUILD_TYPE=Release -- "$@"
}
# orvane_build_release_with [cmake options...]: the whole release build with those options.
orvane_build_release_with() {
  orvane_build "$ORVANE_RELEASE_DIR" -DCMAKE_BUILD_TYPE=Release "$@"
}
