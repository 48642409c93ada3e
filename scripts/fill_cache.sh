#!/usr/bin/env bash
# Makes into the cache everything of ./test that takes minutes and needs
# nothing built: the archives' ImageMagick tools for x86-64 Linux, Windows and
# aarch64 Linux, and the Debian roots (12 and 11 for amd64, 13 with its
# ImageMagick 7, 12 for arm64). ./test starts it in the background once the
# packages are installed, so that these are made beside the native builds and
# their tests rather than in the parts that need them. Those parts still ask
# for each item as before and find it made, or wait for it (each is made under
# a lock of its own), or, should this have failed, make it themselves.
#   scripts/fill_cache.sh LOG
# The items' own lines go to LOG; a failure is also said on standard error as
# it happens, so that it never passes unseen. Fails when any item failed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
[ $# -eq 1 ] || die "usage: scripts/fill_cache.sh LOG"
log=$1
: >"$log"
make_scratch

# make_item WHAT COMMAND...: runs COMMAND, which makes WHAT, its lines in the
# log, and the time and CPU time it took after them; says so when it fails.
make_item() {
  local TIMEFORMAT="fill_cache: $1 took %R s, of CPU %U s user and %S s system"
  { time "${@:2}" >>"$log" 2>&1; } 2>>"$log" && return 0
  say "making $1 failed (its lines in $log); the part that needs it makes it itself"
  return 1
}

# Two lanes. The roots wait on the mirror as much as on the cores, and each
# configure runs on one core: side by side they keep both cores busy, where
# one after the other they left one idle whenever the foreground waited. This
# lane makes the amd64 roots; then, at a lower priority, so that the
# foreground and the Windows tools, which the Windows part waits for, go
# first, what only the aarch64 checks at the very end need: the arm64 root,
# whose second stage runs under emulation, and the aarch64 tools. They take
# the cores whenever the tests wait.
roots_then_aarch64() {
  local failed=0
  make_item "the Debian 12 root" tests/linux/debian_root.sh bookworm || failed=1
  make_item "the Debian 11 root" tests/linux/debian_root.sh bullseye || failed=1
  make_item "the Debian 13 root with ImageMagick 7" \
    tests/linux/debian_root.sh trixie amd64 imagemagick || failed=1
  { make_item "qemu's registration" tests/linux/qemu_binfmt.sh &&
    make_item "the arm64 Debian 12 root" nice -n 10 tests/linux/debian_root.sh bookworm arm64; } ||
    failed=1
  make_item "the aarch64 tools" nice -n 10 \
    scripts/imagemagick_tools.sh linux-aarch64 "$scratch/aarch64" || failed=1
  return "$failed"
}
roots_then_aarch64 &
lane=$!

# The other, in the order ./test needs them: the default build waits for the
# x86-64 tools, the Windows part for the Windows ones.
failed=0
make_item "the x86-64 Linux tools" scripts/imagemagick_tools.sh linux "$scratch/linux" || failed=1
make_item "the Windows tools" scripts/imagemagick_tools.sh windows "$scratch/windows" || failed=1
wait "$lane" || failed=1
exit "$failed"
