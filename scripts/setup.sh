#!/usr/bin/env bash
# Shared set-up of ./play and ./check: install what is missing, configure, build.
# Sourced, not run: it leaves ROOT and BUILD set for the caller.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

PACKAGES=(
  cmake g++ make pkg-config
  liballegro5-dev liballegro-image5-dev liballegro-audio5-dev liballegro-acodec5-dev
  liballegro-dialog5-dev liballegro-ttf5-dev
  libgtest-dev libvorbis-dev fonts-dejavu-core
  xvfb xdotool imagemagick x11-apps
)

missing_packages() {
  local p
  for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      printf '%s\n' "$p"
    fi
  done
}

install_missing() {
  local missing
  mapfile -t missing < <(missing_packages)
  [ "${#missing[@]}" -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

build_all() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD" -j "$(nproc)"
}
