#!/usr/bin/env bash
# Unpacks the Windows archive and runs glyphrig.exe under Wine with the
# ImageMagick it ships, for every kind of picture, and compares each
# result.png with the one the Linux program makes with Debian's ImageMagick
# from the same answers: the same pixels, colour and alpha. Then the same runs
# with ImageMagick 7's convert.exe as both tools, which a user may put there
# instead: within 2% of the Linux picture, transparency kept.
#   check_imagemagick_runs.sh WINDOWS_ZIP LINUX_TREE IM7_CONVERT_EXE
# LINUX_TREE is the native build's working tree (glyphrig beside alphabet/).
# Wine comes set up by the caller (WINEPREFIX, WINEDEBUG).
set -euo pipefail
# shellcheck source=tests/check_lib.sh
source "$(dirname "$0")/../check_lib.sh"
zip=$(realpath "$1")
linux_tree=$(realpath "$2")
im7=$(realpath "$3")

unpack_zip "$zip"

# NAME, answers with Windows line ends, and the kind of picture: a screen
# font's (transparent around the letters), one laid on a background, a plate
# that the program refuses, or one wider than Debian's policy allows, which
# ImageMagick refuses. Every kind, then what only this check asks.
cases=()
for ((i = 0; i < ${#glyphrig_kinds[@]}; i += 3)); do
  cases+=("${glyphrig_kinds[i]}" "${glyphrig_kinds[i + 1]//$'\n'/$'\r\n'}" "${glyphrig_kinds[i + 2]}")
done
cases+=(
  "chat font, typed in three languages" $'0\r\n0\r\n'"Łódź Привет Grüße"$'\r\n' clear
  "refused fitted plate" $'4\r\nWWWWWWWWWWWWWWWW\r\ny\r\n' refused
  "refused fixed plate" $'4\r\nIN LOVING MEMORY OF DAD 1952\r\nn\r\n' refused
  "chat line of 1300 W, 16,900 px" $'0\r\n0\r\n'"$(printf 'W%.0s' {1..1300})"$'\r\n' too_wide
)

for tool in convert composite; do
  expect "$tool.exe is shipped" test -s "$unpacked/imagemagick/$tool.exe"
  expect_eq "$tool.exe: DLL imports beyond Windows' own" \
    "$(foreign_dlls "$unpacked/imagemagick/$tool.exe")" ""
done

# run_case DIR ANSWERS KIND: in DIR, a fresh copy of the unpacked folder for each
# ImageMagick (im6: the shipped one; im7: ImageMagick 7) run under Wine, and
# a copy of the Linux tree run with LF line ends.
run_case() {
  local dir=$1 answers=$2 kinds=(im6 im7) kind
  [ "$3" != too_wide ] || kinds=(im6) # ImageMagick 7 comes with no limits
  mkdir -p "$dir"
  # Hard links: a run only adds and removes files.
  for kind in "${kinds[@]}"; do cp -al "$unpacked" "$dir/$kind"; done
  if [ -d "$dir/im7" ]; then
    rm "$dir"/im7/imagemagick/{convert,composite}.exe
    cp "$im7" "$dir/im7/imagemagick/convert.exe"
    cp "$im7" "$dir/im7/imagemagick/composite.exe"
  fi
  cp -r "$linux_tree" "$dir/linux"
  rm -f "$dir/linux/result.png" "$dir/linux/imagemagick"/{convert,composite}
  printf '%s' "$answers" >"$dir/answers"
  sed 's/\r$//' "$dir/answers" >"$dir/linux-answers"
  (cd "$dir/linux" && ./glyphrig <../linux-answers >../linux.out 2>&1) &
  for kind in "${kinds[@]}"; do
    (cd "$dir/$kind" && wine glyphrig.exe <../answers >"../$kind.out" 2>&1
      echo "exit status $?" >>"../$kind.out") &
  done
  wait
}

for ((i = 0; i < ${#cases[@]}; i += 3)); do
  while [ "$(jobs -rp | wc -l)" -ge 3 ]; do wait -n; done
  run_case "$scratch/case-$i" "${cases[i + 1]}" "${cases[i + 2]}" &
done
wait

# differing PICTURE REFERENCE FUZZ: how many pixels differ by more than FUZZ,
# red, green, blue and alpha alike; a picture without alpha counts as opaque.
differing() {
  compare -alpha set -channel RGBA -fuzz "$3" -metric AE "$1" "$2" null: 2>&1 || true
}

# tool_messages OUTPUT: ImageMagick's messages in a run's output, up to the
# file they name.
tool_messages() {
  grep -Eo '(convert|composite)(\.exe)?: [^`]*' "$1" | sed 's/\.exe:/:/' || true
}

for ((i = 0; i < ${#cases[@]}; i += 3)); do
  name=${cases[i]} dir=$scratch/case-$i
  # Colour names, messages and limits come from the configuration built in:
  # without it every run warns that it cannot open colors.xml.
  expect_eq "$name, ImageMagick 6 shipped: the messages of the tools" \
    "$(tool_messages "$dir/im6.out")" "$(tool_messages "$dir/linux.out")"
  if [ "${cases[i + 2]}" = too_wide ]; then
    expect "$name: refused by the Linux program" grep -q 'exceeds limit' "$dir/linux.out"
    continue
  fi
  if [ "${cases[i + 2]}" = refused ]; then
    for run in im6 im7 linux; do
      expect "$name, $run: the refusal is shown" grep -q 'too long for a license plate' \
        "$dir/$run.out"
      expect "$name, $run: no picture" test ! -e "$dir/$run/result.png"
    done
    continue
  fi
  linux=$dir/linux/result.png
  expect "$name: the Linux program made a picture" test -s "$linux"
  # A run that drew otherwise shows what it said, and how it ended.
  differ=$(differing "$dir/im6/result.png" "$linux" 0)
  expect_eq "$name, ImageMagick 6 shipped: the picture is the Linux one" "$differ" 0
  [ "$differ" = 0 ] || show_files "$dir/im6.out"
  im7_result=$dir/im7/result.png
  differ=$(differing "$im7_result" "$linux" 2%)
  expect_eq "$name, ImageMagick 7: within 2% of the Linux picture" "$differ" 0
  [ "$differ" = 0 ] || show_files "$dir/im7.out"
  if [ "${cases[i + 2]}" = clear ]; then
    expect_eq "$name, ImageMagick 7: alpha channel, transparent corner" \
      "$(identify -format '%A %[fx:p{0,0}.a]' "$im7_result" 2>&1)" "True 0"
  fi
done

report "shipped ImageMagick under Wine"
