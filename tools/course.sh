#!/usr/bin/env bash
# Sets up a Debian 12 machine for Bitlak, builds it, and runs the course or its tests.
#   bash tools/course.sh run      install, build (release) and start the course
#   bash tools/course.sh test     install, build with sanitizers and run every test headless
#   bash tools/course.sh package  install, build (release) and write bitlak_<version>_amd64.deb here
#   bash tools/course.sh setup    install the packages only
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  g++ cmake ninja-build pkg-config git ccache
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins libqt6svg6
  libpng-dev libjpeg-dev zlib1g-dev
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev libxcb-screensaver0-dev
  libqt6sql6-sqlite libqt6sql6-psql postgresql poppler-utils
  libespeak-ng-dev espeak-ng-data
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation openclipart-svg
  xvfb xdotool imagemagick x11-utils
  dpkg-dev lintian desktop-file-utils appstream inotify-tools
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

setup() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

build() { # dir, cmake options...
  local dir=$1; shift
  # ccache keeps a rebuild of an unchanged tree (a fresh clone in CI) to minutes; paths are taken
  # relative to the clone so that any clone's folder hits the same cache
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true CCACHE_MAXSIZE=20G
  cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache "$@"
  cmake --build "$dir" -j "$(nproc)"
}

case "${1:-}" in
  setup)
    setup ;;
  run)
    setup
    build build/release -DCMAKE_BUILD_TYPE=Release -DBITLAK_TESTS=OFF -DBITLAK_BENCH=OFF
    cd build/release/bin && exec ./bitlak "${@:2}" ;;
  package)
    setup
    build build/release -DCMAKE_BUILD_TYPE=Release -DBITLAK_TESTS=OFF -DBITLAK_BENCH=OFF
    rm -f build/release/bitlak_*_amd64.deb ./bitlak_*_amd64.deb
    (cd build/release && cpack -G DEB)
    cp build/release/bitlak_*_amd64.deb .
    lintian --fail-on error ./bitlak_*_amd64.deb
    ls -l ./bitlak_*_amd64.deb ;;
  test)
    setup
    build build/test -DCMAKE_BUILD_TYPE=Debug -DBITLAK_SANITIZE=ON
    QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j "$(nproc)" ;;
  *)
    echo "usage: bash tools/course.sh run|test|package|setup" >&2; exit 2 ;;
esac
