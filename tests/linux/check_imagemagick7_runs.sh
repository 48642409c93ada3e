#!/usr/bin/env bash
# Runs the Linux program for every kind of picture with only ImageMagick 7 on
# PATH, once as ImageMagick installs itself (magick with its legacy links
# convert and composite) and once with magick alone, and compares each
# result.png with the one Debian's ImageMagick 6 makes from the same answers:
# the same size, page geometry WxH+0+0 and alpha, the colour within 6% at
# every pixel, and nothing on standard error (ImageMagick 7's legacy convert
# warns on every call that it is deprecated).
#   check_imagemagick7_runs.sh LINUX_TREE IM7_BIN
# LINUX_TREE is the native build's working tree (glyphrig beside alphabet/),
# IM7_BIN the bin folder of an ImageMagick 7 install.
set -euo pipefail
# shellcheck source=tests/windows/check_lib.sh
source "$(dirname "$0")/../windows/check_lib.sh"
linux_tree=$(realpath "$1")
im7_bin=$(realpath "$2")

make_scratch

# Each PATH is a folder of its own, so that no other ImageMagick on the
# machine is found: the tools it is about, and what the clean-up script runs.
# bin_with NAME TOOL=FILE...
bin_with() {
  local dir=$scratch/bin-$1 link
  shift
  mkdir -p "$dir"
  for link in rm=/bin/rm dirname=/usr/bin/dirname "$@"; do ln -s "${link#*=}" "$dir/${link%%=*}"; done
}
bin_with im6 convert=/usr/bin/convert composite=/usr/bin/composite
bin_with im7 magick="$im7_bin/magick" convert="$im7_bin/convert" composite="$im7_bin/composite"
bin_with magick magick="$im7_bin/magick"
# ImageMagick 7 rounds a centre the other way where the free width is odd:
# ImageMagick 6 with the text a pixel to either side gives the other placement.
for side in left:-1 right:+1; do
  mkdir -p "$scratch/bin-im6-${side%:*}"
  printf '#!/bin/sh\nexec /usr/bin/composite -geometry %s+0 "$@"\n' "${side#*:}" \
    >"$scratch/bin-im6-${side%:*}/composite"
  chmod +x "$scratch/bin-im6-${side%:*}/composite"
  bin_with "im6-${side%:*}" convert=/usr/bin/convert
done

# Every kind: NAME, answers, and whether the text is centred on a background.
cases=("${glyphrig_kinds[@]}")

# run_in TREE_COPY BIN ANSWERS: the program's run there, with PATH=BIN alone.
run_in() {
  mkdir -p "$1"
  cp -r "$linux_tree"/. "$1"
  rm -f "$1/result.png" "$1"/imagemagick/{convert,composite,magick}
  (cd "$1" && PATH=$scratch/bin-$2 ./glyphrig <<<"$3" >stdout 2>stderr) || true
}

# same_picture PICTURE REFERENCE: size, page and alpha alike, colour within 6%.
same_picture() {
  [ "$(identify -format '%w %h %g' "$1")" = "$(identify -format '%w %h %g' "$2")" ] &&
    [ "$(compare -alpha set -channel A -metric AE "$1" "$2" null: 2>&1)" = 0 ] &&
    [ "$(compare -alpha set -channel RGBA -fuzz 6% -metric AE "$1" "$2" null: 2>&1)" = 0 ]
}

# references I: the ImageMagick 6 runs that case I is compared with.
references() {
  echo im6
  [ "${cases[$1 + 2]}" = clear ] || echo im6-left im6-right
}

# Each run ends with the program's closing pause: they run side by side.
for ((i = 0; i < ${#cases[@]}; i += 3)); do
  for bin in $(references "$i") im7 magick; do
    while [ "$(jobs -rp | wc -l)" -ge 4 ]; do wait -n; done
    run_in "$scratch/case-$i/$bin" "$bin" "${cases[i + 1]}" &
  done
done
wait

for ((i = 0; i < ${#cases[@]}; i += 3)); do
  name=${cases[i]} dir=$scratch/case-$i
  read -ra references <<<"$(references "$i" | xargs)"
  expect "$name: ImageMagick 6 made a picture" test -s "$dir/im6/result.png"
  for bin in im7 magick; do
    result=$dir/$bin/result.png
    expect_eq "$name, $bin: standard error" "$(cat "$dir/$bin/stderr")" ""
    expect_eq "$name, $bin: the page is the picture" "$(identify -format '%g' "$result" 2>&1)" \
      "$(identify -format '%wx%h+0+0' "$result" 2>&1)"
    matched=
    for reference in "${references[@]}"; do
      same_picture "$result" "$dir/$reference/result.png" && matched=$reference && break
    done
    expect "$name, $bin: ImageMagick 6's picture within 6% (placements: ${references[*]})" \
      test -n "$matched"
  done
done

report "ImageMagick 7 on Linux"
