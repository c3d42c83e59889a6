#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the demo need.
# Safe to run any number of times: packages already present are left alone.
#   setup.sh --check   installs nothing; fails when a package is missing.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake ninja-build ccache pkg-config git
  # windows
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # sound and music
  libsdl2-dev libsdl2-mixer-dev fluid-soundfont-gm libfluidsynth3 libfluidsynth-dev libmpg123-0
  # desktop keys and the headless display
  libx11-dev libxtst-dev libxi-dev x11proto-record-dev xvfb xauth x11-utils xdotool
  # Japanese texts on screen: the forms draw in Ume P Gothic and Ume Gothic (src/ui/fonts.h)
  fonts-horai-umefont fonts-ipafont-gothic fonts-ipafont-mincho
  # tests, benchmarks, fuzzers
  libgtest-dev libgmock-dev googletest libbenchmark-dev clang libclang-rt-14-dev
  # sample installation: voices, music, screenshots
  espeak-ng sox lame imagemagick
  # misc tools the scripts use
  python3 procps
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi
if [ "${1:-}" = "--check" ]; then
  echo "setup: missing ${missing[*]}"
  exit 1
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
