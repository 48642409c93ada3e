#!/usr/bin/env bash
# The Windows part of ./test, after the default build: cross-builds
# glyphrig.exe, makes both release archives and the Wine prefixes (one for
# these checks, one for the Linux part's), reads the program file back, runs
# the program under Wine, and checks the archives. Says how long each step
# took; fails when any check fails.
#   scripts/windows_check.sh [build|checks]
# does only the first half (what the Linux part needs too), or only the
# second; without a word, both.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scratch_in_memory
stage=${1:-all}
case $stage in build | checks | all) ;; *) die "usage: scripts/windows_check.sh [build|checks]" ;; esac
start=$(now)

if [ "$stage" != checks ]; then
  step=$(now)
  cmake --preset windows >/dev/null
  cmake --build --preset windows
  build_time=$(seconds_since "$step")

  step=$(now)
  cpack --preset default >/dev/null
  cpack --preset windows >/dev/null
  package_time=$(seconds_since "$step")

  # A Wine prefix of this run's own, made before the first program starts so
  # that no check waits for it; and one for the Linux part, whose programs
  # then have a server of their own, beside these checks.
  step=$(now)
  fresh_wine_prefix wine-prefix
  fresh_wine_prefix wine-prefix-linux
  wine_time=$(seconds_since "$step")
  echo "windows build: $(seconds_since "$start") s (cross build $build_time s, archives" \
    "$package_time s, Wine prefixes $wine_time s)"
fi
[ "$stage" != build ] || exit 0

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)

# ImageMagick 7's convert.exe (7.0.8 Q16, 64-bit), which a user may put in
# place of the shipped tools; fetched once into the cache outside the clone.
im7_package=@hakuneko/imagemagick-binaries@7.0.8-58-3
im7=$glyphrig_cache/npm/${im7_package##*/}/convert.exe
if [ ! -f "$im7" ]; then
  mkdir -p "$(dirname "$im7")"
  tarball=$(cd "$glyphrig_cache/npm" && npm pack --silent "$im7_package")
  tar -xzf "$glyphrig_cache/npm/$tarball" -O package/bin/win32/amd64/convert.exe >"$im7.tmp"
  mv "$im7.tmp" "$im7"
fi

use_wine wine-prefix
keep_wineserver
trap 'kill $(jobs -p) 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT

# The checks run side by side, as they mostly wait: for the program's pause
# after its last line, and for Wine to start each program. Each one's lines
# are shown once it ends, in this order.
step=$(now)
export GLYPHRIG_CHECK_TALLY=build-windows/check-tally
rm -f "$GLYPHRIG_CHECK_TALLY"
logs=build-windows/check-logs
rm -rf "$logs"
mkdir -p "$logs"
checks=()
# check NAME COMMAND...: starts COMMAND beside the other checks, its lines and
# time in $logs/NAME.
check() {
  timed "$1" "${@:2}" >"$logs/$1" 2>&1 &
  checks+=("$1" $!)
}
check program_file tests/windows/check_program_file.sh build-windows/glyphrig.exe "$version"
check wine_runs tests/windows/check_wine_runs.sh build-windows/glyphrig.exe \
  build-windows/tests/windows build/tree/alphabet tree/alphabet build/glyphrig
check typed_text tests/windows/check_typed_text.sh build-windows/glyphrig.exe \
  build-windows/tests/windows build/tree/alphabet tests/typed_text_cases.tsv
check interrupted_runs tests/windows/check_interrupted_runs.sh build-windows/glyphrig.exe \
  build-windows/tests/windows build/tree/alphabet tree/alphabet
check archives tests/windows/check_archives.sh "build-windows/glyphrig-$version-win64.zip" \
  "build/glyphrig-$version-Linux-x86_64.tar.gz" build/tree/alphabet build-windows/tests/windows
check imagemagick_runs tests/windows/check_imagemagick_runs.sh \
  "build-windows/glyphrig-$version-win64.zip" build/tree "$im7"
check fault_runs tests/windows/check_fault_runs.sh "build-windows/glyphrig-$version-win64.zip"
broken=0
for ((i = 0; i < ${#checks[@]}; i += 2)); do
  wait "${checks[i + 1]}" || broken=1
  cat "$logs/${checks[i]}"
done
wineserver -k || true
check_time=$(seconds_since "$step")

read -r passed failed < <(awk '{p += $1; f += $2} END {print p + 0, f + 0}' \
  "$GLYPHRIG_CHECK_TALLY" 2>/dev/null || echo "0 0")
echo "windows checks: $passed passed, $failed failed, in $check_time s"
if [ "$broken" -ne 0 ] || [ "$failed" -ne 0 ]; then
  echo "windows checks FAILED (see FAIL lines above)" >&2
  exit 1
fi
