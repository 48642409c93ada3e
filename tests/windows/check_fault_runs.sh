#!/usr/bin/env bash
# Unpacks the Windows archive and runs glyphrig.exe under Wine with the
# ImageMagick it ships where something is wrong: a background and a glyph
# picture cut short, and a folder that the user cannot write (Wine runs as
# root, who writes anywhere, so that run is started as nobody, with a Wine
# prefix of nobody's own). Each must end with status 1, its reason as the last
# line, no "done" and no picture. Then pairs of runs started at once in one
# folder, which must each say "done" and leave the whole picture of one.
#   check_fault_runs.sh WINDOWS_ZIP
# Wine comes set up by the caller (WINEPREFIX, WINEDEBUG).
set -euo pipefail
# shellcheck source=tests/check_lib.sh
source "$(dirname "$0")/../check_lib.sh"
zip=$(realpath "$1")

unpack_zip "$zip"

# fault_case NAME ANSWERS LAST_LINE CUT [USER_PREFIX]: a run in a fresh copy of
# the unpacked folder with the picture CUT (if any) cut to half its size; as
# nobody when USER_PREFIX is given, in a folder only root may write. Leaves
# the run's output in $out.
fault_case() {
  local name=$1 answers=$2 last=$3 cut=$4 dir=$scratch/case-$((++cases)) status=0
  cp -al "$unpacked" "$dir"
  if [ -n "$cut" ]; then
    head -c "$(($(stat -c %s "$dir/$cut") / 2))" "$dir/$cut" >"$dir/cut.png"
    rm "$dir/$cut"
    mv "$dir/cut.png" "$dir/$cut"
  fi
  local run=(wine glyphrig.exe)
  if [ $# -gt 4 ]; then
    chmod 755 "$dir"
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups env "HOME=$5" "WINEPREFIX=$5/prefix"
      wine glyphrig.exe)
  fi
  out=$dir.out
  (cd "$dir" && printf '%s' "$answers" | "${run[@]}" >"$out" 2>&1) || status=$?
  expect_eq "$name: exit status" "$status" 1
  expect_eq "$name: the last line" "$(tail -n 1 "$out")" "$last"$'\r'
  expect "$name: no done" test -z "$(grep 'done' "$out" || true)"
  expect "$name: no picture" test ! -e "$dir/result.png"
}
cases=0

fault_case "a background cut short" $'3\r\nMain St\r\n' \
  "Damaged alphabet/street/background_street.png (a background picture, not a whole PNG): unpack Glyphrig anew from its archive." \
  alphabet/street/background_street.png
fault_case "a glyph cut short" $'1\r\n10\r\nGo now\r\n' \
  "Damaged alphabet/large/71.png (a glyph picture, not a whole PNG): unpack Glyphrig anew from its archive." \
  alphabet/large/71.png

nobody=$scratch/nobody
chmod 755 "$scratch"
mkdir -p "$nobody"
chown nobody:nogroup "$nobody"
setpriv --reuid=65534 --regid=65534 --clear-groups env "HOME=$nobody" "WINEPREFIX=$nobody/prefix" \
  wine wineboot --init >/dev/null 2>&1
fault_case "a folder that cannot be written" $'1\r\n10\r\nGo now\r\n' \
  "This folder cannot be written, so no picture can be made here: copy or unpack Glyphrig into a folder of your own." \
  "" "$nobody"
expect_eq "a folder that cannot be written: nothing is asked" "$(wc -l <"$out")" 1

# Two runs at once in one folder, three times: LockFileEx lets one wait for
# the other.
pair=$scratch/pair
cp -al "$unpacked" "$pair"
answers=($'4\r\nAB 12\r\ny\r\n' $'4\r\nWWWWWWWWWWWW\r\ny\r\n')
for i in 0 1; do
  (cd "$pair" && printf '%s' "${answers[i]}" | wine glyphrig.exe >/dev/null 2>&1)
  mv "$pair/result.png" "$pair/alone-$i.png"
done
for round in 1 2 3; do
  for i in 0 1; do
    (cd "$pair" && printf '%s' "${answers[i]}" | wine glyphrig.exe >"$pair/run-$i.out" 2>&1) &
  done
  wait
  for i in 0 1; do
    expect_eq "pair $round, run $i: says done" "$(tail -n 1 "$pair/run-$i.out")" $'done\r'
  done
  alike=0
  for i in 0 1; do
    [ "$(compare -metric AE "$pair/result.png" "$pair/alone-$i.png" null: 2>&1)" != 0 ] ||
      alike=$((alike + 1))
  done
  expect_eq "pair $round: the picture is the whole picture of one run" "$alike" 1
done

report "faults under Wine"
