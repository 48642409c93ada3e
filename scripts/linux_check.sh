#!/usr/bin/env bash
# The Linux part of ./test that needs more than the native builds, after the
# Windows part (it compares with the Windows archive under Wine): builds
# ImageMagick 7 and runs the Linux program with it alone; makes minimal
# Debian 12 and Debian 11 roots and a root with no C library, and runs the
# unpacked Linux archive in each. Says how long each step took; fails when
# any check fails.
set -euo pipefail
cd "$(dirname "$0")/.."

now() { echo $(($(date +%s%N) / 1000000)); }
seconds_since() { awk -v ms=$(($(now) - $1)) 'BEGIN { printf "%.1f", ms / 1000 }'; }
start=$(now)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)

step=$(now)
im7_bin=$(scripts/imagemagick7_linux.sh)
roots=("$(tests/linux/debian_root.sh bookworm)" "$(tests/linux/debian_root.sh bullseye)")
busybox_root=$(mktemp -d)/busybox-static
trap 'rm -rf "${busybox_root%/*}"' EXIT
tests/linux/busybox_root.sh "$busybox_root"
roots+=("$busybox_root")
prepare_time=$(seconds_since "$step")

step=$(now)
export WINEPREFIX=$PWD/build-windows/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
broken=0
tests/linux/check_imagemagick7_runs.sh build/tree "$im7_bin" || broken=1
tests/linux/check_linux_archive.sh "build/glyphrig-$version-Linux.tar.gz" \
  "build-windows/glyphrig-$version-win64.zip" "${roots[@]}" || broken=1
wineserver -k || true
echo "linux part: $(seconds_since "$start") s (ImageMagick 7 and the roots" \
  "$prepare_time s, checks $(seconds_since "$step") s)"
if [ "$broken" -ne 0 ]; then
  echo "linux checks FAILED (see FAIL lines above)" >&2
  exit 1
fi
