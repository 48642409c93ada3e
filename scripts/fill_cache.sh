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
glyphrig_me=fill_cache
[ $# -eq 1 ] || die "usage: scripts/fill_cache.sh LOG"
log=$1
: >"$log"
make_scratch

# make_item WHAT COMMAND...: runs COMMAND, which makes WHAT, its lines in the
# log, and the time and CPU time it took after them; says so when it fails.
make_item() {
  timed "$1" "${@:2}" >>"$log" 2>&1 && return 0
  say "making $1 failed (its lines in $log); the part that needs it makes it itself"
  return 1
}

# Four lanes, so that no core is left idle while an item is left to make:
# - the amd64 roots, one after another: each spends most of its time waiting
#   on the mirror, for one package after another (side by side, each took half
#   as long again, and ./test was no shorter);
# - two at the lowest priority, so that they take only the time the other
#   lanes leave (a configure runs on one core; where the kernel shares the
#   cores between sessions first, the foreground's session keeps its share
#   whatever the priorities here), for what only the aarch64 checks at the
#   very end need: the arm64
#   root, whose second stage runs under emulation; and the aarch64 tools,
#   after the sources are fetched at normal priority. ./test lifts them to
#   normal priority when its Linux part begins and waits for them;
# - this one: in the order the foreground needs them, the x86-64 tools (the
#   default build packs them), then the Windows tools (the Windows part waits
#   for them).
{
  failed=0
  make_item "the Debian 12 root" tests/linux/debian_root.sh bookworm || failed=1
  make_item "the Debian 11 root" tests/linux/debian_root.sh bullseye || failed=1
  make_item "the Debian 13 root with ImageMagick 7" \
    tests/linux/debian_root.sh trixie amd64 imagemagick || failed=1
  exit "$failed"
} &
lanes=($!)
{
  make_item "qemu's registration" tests/linux/qemu_binfmt.sh &&
    make_item "the arm64 Debian 12 root" nice -n 19 tests/linux/debian_root.sh bookworm arm64
} &
lanes+=($!)
{
  make_item "the sources" scripts/imagemagick_tools.sh sources &&
    make_item "the aarch64 tools" nice -n 19 \
      scripts/imagemagick_tools.sh linux-aarch64 "$scratch/aarch64"
} &
lanes+=($!)

failed=0
make_item "the x86-64 Linux tools" scripts/imagemagick_tools.sh linux "$scratch/linux" || failed=1
make_item "the Windows tools" scripts/imagemagick_tools.sh windows "$scratch/windows" || failed=1
for job in "${lanes[@]}"; do
  wait "$job" || failed=1
done
exit "$failed"
