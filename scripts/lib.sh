# shellcheck shell=bash
# What the scripts of ./test, the ImageMagick builds and the benchmarks share:
# the cache, timing, messages, Wine, scratch folders, and the kinds of picture
# that the checks run. Sourced; it defines functions and variables and sets
# no shell option.

# The caches outside the clone: what takes minutes to fetch or build is kept
# here, so that a fresh clone does not do it again (CONTRIBUTING.md lists them).
# shellcheck disable=SC2034
glyphrig_cache=${GLYPHRIG_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/glyphrig}

# now: milliseconds since the epoch. seconds_since START: the seconds since
# START, a `now`, to a tenth.
now() { echo $(($(date +%s%N) / 1000000)); }
seconds_since() { awk -v ms=$(($(now) - $1)) 'BEGIN { printf "%.1f", ms / 1000 }'; }

# timed WHAT COMMAND...: runs COMMAND, then says on standard error how long WHAT
# took and the CPU time of what it ran (on two cores up to twice its time).
timed() {
  local TIMEFORMAT="${glyphrig_me:-${0##*/}}: $1 took %R s, of CPU %U s user and %S s system"
  time "${@:2}"
}

# say WORDS...: one line on standard error, after $glyphrig_me (the script's
# name unless it sets another). die WORDS...: the same, then stops the script.
say() { echo "${glyphrig_me:-${0##*/}}: $*" >&2; }
die() {
  say "$*"
  exit 1
}

# use_wine NAME: Wine as every check runs glyphrig.exe: the run's own prefix,
# build-windows/NAME (wine-prefix for the Windows part, wine-prefix-linux for
# the Linux part), no display, as the program is a console program, and no
# offer to install Mono or Gecko.
use_wine() {
  export WINEPREFIX=$PWD/build-windows/$1 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  unset DISPLAY WAYLAND_DISPLAY
}

# fresh_wine_prefix NAME: build-windows/NAME, a new Wine prefix for use_wine
# NAME, copied from one that wineboot made into the cache once per version of
# Wine: wineboot takes 12 s, the copy half a second.
fresh_wine_prefix() {
  local made
  made=$glyphrig_cache/wine-prefix/$(wine --version 2>/dev/null | tr -c 'A-Za-z0-9.~+\n-' _)
  mkdir -p "$glyphrig_cache/wine-prefix"
  (
    flock 9
    if [ ! -f "$made/.made" ]; then
      rm -rf "$made"
      use_wine "$1"
      export WINEPREFIX=$made
      wine wineboot --init >/dev/null 2>&1
      wineserver -w
      touch "$made/.made"
    fi
  ) 9>"$glyphrig_cache/wine-prefix.lock"
  rm -rf "build-windows/$1"
  mkdir -p build-windows
  cp -a "$made" "build-windows/$1"
}

# keep_wineserver: one wineserver for every program that the caller starts
# under Wine, kept until `wineserver -k`, once the one an earlier program
# started has gone. Left to themselves, servers come and go with the programs
# they serve, and the checks start several programs at once; its file
# descriptors are not the caller's, so that no pipe stays open for it.
keep_wineserver() {
  wineserver -w
  wineserver -p </dev/null >/dev/null 2>&1
}

# scratch_in_memory: the scratch folders of what follows (TMPDIR) in memory,
# where the system has a tmpfs that may run programs: the checks make and
# remove thousands of small files, and on an ext4 disk each file took 16 times
# as long to make.
scratch_in_memory() {
  if grep -s '^[^ ]* /dev/shm tmpfs ' /proc/mounts | grep -qv noexec; then
    export TMPDIR=/dev/shm
  fi
}

# What a script adds to its clean-up, for make_scratch.
at_exit=

# make_scratch: $scratch, a new folder that goes when the script ends, after
# the commands in $at_exit (a clean-up of the script's own), if any.
make_scratch() {
  scratch=$(mktemp -d)
  trap 'eval "${at_exit:-}"; rm -rf "$scratch"' EXIT
}

# unpack_zip ZIP: a scratch folder (make_scratch) with ZIP unpacked into
# $scratch/unpacked; $unpacked is the folder the archive holds.
unpack_zip() {
  make_scratch
  unzip -q "$1" -d "$scratch/unpacked"
  unpacked=$(echo "$scratch"/unpacked/*/)
}

# Every kind of picture the checks draw, each once: its name, the answers (LF
# line ends) and what the text lies on: `clear`, the transparent ground of a
# screen font, or `background`, a street sign or a plate.
# shellcheck disable=SC2034
glyphrig_kinds=(
  "large font, preset tint" $'1\n10\nGo now\n' clear
  "chat font, typed code" $'0\n8\n#33cc99\nHi there\n' clear
  "menu font, named colour" $'2\n8\nred\nMenu\n' clear
  "chat font, codes asked again" $'0\n8\nreed\nff0000\nHi there\n' clear
  "chat font, no tint" $'0\n0\nplain chat\n' clear
  "street sign" $'3\nHarbour Road\n' background
  "street sign that grows" $'3\nBürgermeister-Smidt-Straße Nord Ost\n' background
  "fitted plate, two pieces" $'4\nab 12\ny\n' background
  "fitted plate, three pieces" $'4\nWWWWWWWWWW\ny\n' background
  "fixed plate" $'4\nGlyphrig\nn\n' background
)

# cached_versions DIR: the versions of a source kept in DIR, a folder each
# with the SHA256SUMS of its files, whose files still match, newest first.
cached_versions() {
  local dir
  for dir in "$1"/*/; do
    [ -f "$dir/SHA256SUMS" ] || continue
    (cd "$dir" && sha256sum --quiet -c SHA256SUMS >/dev/null 2>&1) && basename "$dir"
  done | sort -rV
}

# keep_fetched FOLDER DIR VERSION: the files just fetched into FOLDER become
# DIR/VERSION, with their sha256, for cached_versions to find.
keep_fetched() {
  (cd "$1" && sha256sum -- * >SHA256SUMS)
  mkdir -p "$2"
  rm -rf "${2:?}/$3"
  mv "$1" "$2/$3"
}
