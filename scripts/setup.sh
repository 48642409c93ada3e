# shellcheck shell=bash
# Sourced by ./run and ./test: installs what a fresh Debian 12 machine lacks,
# then configures and builds the given preset.
set -euo pipefail

# The package lists are read by ./run and ./test, which source this file.
# What building and running the program needs; ./run asks for these alone.
# shellcheck disable=SC2034
glyphrig_run_packages=(
  cmake ninja-build g++ pkg-config
  imagemagick
  libfreetype-dev libpng-dev libharfbuzz-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-bebas-neue fonts-league-spartan fonts-roadgeek fonts-opendin
)

# What ./test needs besides: clang++ and its sanitizer runtimes, GoogleTest, Google Benchmark,
# and ccache, which keeps what each build compiled for the next run.
# shellcheck disable=SC2034
glyphrig_test_packages=(
  clang libgtest-dev libbenchmark-dev libclang-rt-14-dev ccache
  # the habits every change keeps: scripts shellcheck-clean, C++ formatted
  shellcheck clang-format
  # glyphrig.exe: the cross compilers, Wine to run it, tools that read it back, unzip for its archive
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 icoutils libimage-exiftool-perl unzip
  # ImageMagick for glyphrig.exe, built from Debian's sources; ImageMagick 7 from npm to check against
  dpkg-dev npm
  # Typing in other languages: the locales the program runs in under Wine, a terminal to type
  # into, and Python for the check of the code page tables
  locales tmux python3
  # minimal Debian roots to run the unpacked Linux archive in
  debootstrap
  # the Linux archive's tools, static against musl; a root with no C library but busybox;
  # file, to tell a static program
  musl-tools busybox-static file
  # the aarch64 archive: the cross compilers with a static glibc, and qemu to run it and to
  # make an arm64 root
  g++-aarch64-linux-gnu libc6-dev-arm64-cross qemu-user-static
)

# The locales whose consoles the typing checks run glyphrig.exe on: Western
# European (code page 850), Polish (852), Russian (866), Greek (737) and US
# English (437).
# shellcheck disable=SC2034
glyphrig_test_locales=(de_DE.UTF-8 pl_PL.UTF-8 ru_RU.UTF-8 el_GR.UTF-8 en_US.UTF-8)

# glyphrig_install_missing PACKAGE...: installs those that are missing, or, when
# not root, prints the command that would and stops. Its words go to standard
# error, so that ./run's standard output is the program's alone.
glyphrig_install_missing() {
  local missing=() pkg
  for pkg in "$@"; do
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
  echo "glyphrig: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  # Standard input stays with the program: answers piped into ./run are not apt's.
  apt-get update -qq </dev/null >&2
  apt-get install -y -qq "${missing[@]}" </dev/null >/dev/null
}

# glyphrig_make_locales LOCALE...: generates those the C library does not have
# yet (as root; otherwise it prints the command that would, and stops).
glyphrig_make_locales() {
  local missing=() name
  for name in "$@"; do
    locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" || missing+=("$name")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "glyphrig: missing locales; generate them with:" >&2
    printf '  sudo sh -c '"'"'printf "%%s UTF-8\\n" %s >>/etc/locale.gen && locale-gen'"'"'\n' \
      "${missing[*]}" >&2
    exit 1
  fi
  echo "glyphrig: generating the locales ${missing[*]}" >&2
  printf '%s UTF-8\n' "${missing[@]}" >>/etc/locale.gen
  locale-gen >/dev/null
}

# glyphrig_build PRESET: configures and builds it, its lines on standard error.
glyphrig_build() {
  local preset=$1
  cmake --preset "$preset" </dev/null >/dev/null
  cmake --build --preset "$preset" </dev/null >&2
}
