# shellcheck shell=bash
# Sourced by ./run and ./test: installs what a fresh Debian 12 machine lacks,
# then configures and builds the given preset.
set -euo pipefail

glyphrig_packages=(
  cmake ninja-build g++ clang pkg-config
  libgtest-dev libbenchmark-dev libclang-rt-14-dev
  imagemagick
  libfreetype-dev libpng-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-bebas-neue fonts-league-spartan fonts-roadgeek fonts-opendin
  # glyphrig.exe: the cross compilers, Wine to run it, tools that read it back, unzip for its archive
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 icoutils libimage-exiftool-perl unzip
  # ImageMagick for glyphrig.exe, built from Debian's sources; ImageMagick 7 from npm to check against
  dpkg-dev npm
)

glyphrig_install_missing() {
  local missing=() pkg
  for pkg in "${glyphrig_packages[@]}"; do
    # Node.js from elsewhere brings an npm of its own, which Debian's would conflict with.
    [ "$pkg" = npm ] && command -v npm >/dev/null && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "glyphrig: missing Debian packages; install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "glyphrig: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
}

glyphrig_build() {
  local preset=$1
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
}
