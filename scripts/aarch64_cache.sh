#!/usr/bin/env bash
# Makes into the cache what the aarch64 archive's checks need that takes
# minutes and nothing built: the aarch64 ImageMagick tools and the arm64
# Debian root. ./test starts it in the background once the packages are
# installed, so that it runs beside the native builds and their tests rather
# than after them; scripts/linux_check.sh then asks for both again and finds
# them made, or waits for them (each is made under a lock), or, should this
# have failed, makes them itself and says why.
#   scripts/aarch64_cache.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
make_scratch
tests/linux/qemu_binfmt.sh
# The root's first stage waits on the mirror and the tools' configure runs on
# one core: side by side they share the two cores better than one after the
# other.
tests/linux/debian_root.sh bookworm arm64 >/dev/null &
root=$!
tools=0
scripts/imagemagick_tools.sh linux-aarch64 "$scratch/imagemagick" || tools=$?
wait "$root"
exit "$tools"
