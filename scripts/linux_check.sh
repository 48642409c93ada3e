#!/usr/bin/env bash
# The Linux part of ./test that needs more than the native builds, after the
# Windows part's build (it compares with the Windows archive under Wine): runs the
# Linux program with ImageMagick 7 alone, in a minimal Debian 13 root with
# Debian's ImageMagick; makes minimal Debian 12 and Debian 11 roots and a
# root with no C library, and runs the unpacked x86-64 Linux archive in each;
# beside that, cross-builds the aarch64 archive and runs it under
# qemu-user-static in a minimal arm64 Debian 12 root and an arm64 root with no
# C library, against the x86-64 archive's pictures. Says how long each step
# took; fails when any check fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scratch_in_memory
start=$(now)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)

x86_64_tgz=build/glyphrig-$version-Linux-x86_64.tar.gz
make_scratch

# The aarch64 archive, beside the x86-64 checks, which need none of it, nor
# it Wine: its runs under emulation take a core while theirs wait on the
# program's pause, and its tools may still be being made meanwhile. Its
# program and tools are cross-built; the tools and the arm64 root come from
# the cache once made. Its lines come after theirs.
aarch64_part() {
  local step build_time root_time arm64_roots status=0
  step=$(now)
  cmake --preset aarch64 >/dev/null
  cmake --build --preset aarch64
  cpack --preset aarch64 >/dev/null
  build_time=$(seconds_since "$step")
  step=$(now)
  tests/linux/qemu_binfmt.sh
  arm64_roots=("$(tests/linux/debian_root.sh bookworm arm64)")
  tests/linux/busybox_root.sh "$scratch/busybox-static-arm64" "${arm64_roots[0]}/bin/busybox"
  arm64_roots+=("$scratch/busybox-static-arm64")
  root_time=$(seconds_since "$step")
  step=$(now)
  tests/linux/check_linux_archive.sh aarch64 \
    "build-aarch64/glyphrig-$version-Linux-aarch64.tar.gz" "$x86_64_tgz" "${arm64_roots[@]}" ||
    status=1
  echo "aarch64: build $build_time s, arm64 root $root_time s, checks under emulation" \
    "$(seconds_since "$step") s"
  return "$status"
}
aarch64_part >"$scratch/aarch64.log" 2>&1 &
aarch64=$!
at_exit="kill $aarch64 2>/dev/null || true"

step=$(now)
im7_root=$(tests/linux/debian_root.sh trixie amd64 imagemagick)
roots=("$(tests/linux/debian_root.sh bookworm)" "$(tests/linux/debian_root.sh bullseye)")
busybox_root=$scratch/busybox-static
tests/linux/busybox_root.sh "$busybox_root"
roots+=("$busybox_root")
prepare_time=$(seconds_since "$step")

step=$(now)
# A prefix that the Windows part's build made for these runs: they have a
# server of their own, beside that part's checks.
use_wine wine-prefix-linux
keep_wineserver
at_exit+="; wineserver -k 2>/dev/null || true"
broken=0
tests/linux/check_imagemagick7_runs.sh build/tree "$im7_root" || broken=1
tests/linux/check_linux_archive.sh x86_64 "$x86_64_tgz" \
  "build-windows/glyphrig-$version-win64.zip" "${roots[@]}" || broken=1
wineserver -k || true
check_time=$(seconds_since "$step")

wait "$aarch64" || broken=1
cat "$scratch/aarch64.log"
echo "linux part: $(seconds_since "$start") s (the roots $prepare_time s, checks" \
  "$check_time s; beside them, the aarch64 part as above)"
if [ "$broken" -ne 0 ]; then
  echo "linux checks FAILED (see FAIL lines above)" >&2
  exit 1
fi
