#!/usr/bin/env bash
# Runs the Linux program for every kind of picture with only ImageMagick 7 on
# PATH, as Debian 13 installs it (magick, with convert and composite as its
# legacy names), once with all three and once with magick alone, in a Debian
# 13 root; and compares each result.png with the one Debian 12's ImageMagick
# 6 makes here from the same answers: the same size, page geometry WxH+0+0
# and alpha, the colour within 6% at every pixel, and nothing on standard
# error (ImageMagick 7's legacy convert warns on every call that it is
# deprecated).
#   check_imagemagick7_runs.sh LINUX_TREE IM7_ROOT
# LINUX_TREE is the native build's working tree (its static glyphrig beside
# alphabet/), IM7_ROOT a Debian root with ImageMagick 7
# (tests/linux/debian_root.sh trixie amd64 imagemagick). Needs root (chroot).
set -euo pipefail
# shellcheck source=tests/check_lib.sh
source "$(dirname "$0")/../check_lib.sh"
# shellcheck source=tests/linux/in_root.sh
source "$(dirname "$0")/in_root.sh"
linux_tree=$(realpath "$1")
im7_root=$(realpath "$2")

make_scratch
# The runs with ImageMagick 7 go on inside the root, which has /proc, as
# every Linux has, for ImageMagick to find its own path.
inside=$(mktemp -d "$im7_root/tmp/glyphrig-im7.XXXXXX")
at_exit="umount '$im7_root/proc' 2>/dev/null || true; rm -rf '$inside'"
mount -t proc proc "$im7_root/proc"

# Each PATH is a folder of its own, so that no other ImageMagick is found:
# the tools it is about, and what the clean-up script runs. The folders
# inside the root link to the root's own programs.
# bin_with FOLDER TOOL=FILE...
bin_with() {
  local dir=$1 link
  shift
  mkdir -p "$dir"
  for link in rm=/bin/rm dirname=/usr/bin/dirname "$@"; do ln -s "${link#*=}" "$dir/${link%%=*}"; done
}
bin_with "$scratch/bin-im6" convert=/usr/bin/convert composite=/usr/bin/composite
bin_with "$inside/bin-im7" magick=/usr/bin/magick convert=/usr/bin/convert \
  composite=/usr/bin/composite
bin_with "$inside/bin-magick" magick=/usr/bin/magick
# ImageMagick 7 rounds a centre the other way where the free width is odd:
# ImageMagick 6 with the text a pixel to either side gives the other placement.
for side in left:-1 right:+1; do
  bin_with "$scratch/bin-im6-${side%:*}" convert=/usr/bin/convert
  printf '#!/bin/sh\nexec /usr/bin/composite -geometry %s+0 "$@"\n' "${side#*:}" \
    >"$scratch/bin-im6-${side%:*}/composite"
  chmod +x "$scratch/bin-im6-${side%:*}/composite"
done

# Every kind: NAME, answers, and whether the text is centred on a background.
cases=("${glyphrig_kinds[@]}")

# folder_of I BIN: where case I runs with the tools of BIN.
folder_of() {
  case $2 in
  im6*) echo "$scratch/case-$1/$2" ;;
  *) echo "$inside/case-$1/$2" ;;
  esac
}

# run_in FOLDER BIN ANSWERS: the program's run in a copy of the tree, with
# PATH=BIN alone; in the root, with an environment of its own as a login there
# has, where FOLDER is inside it.
run_in() {
  mkdir -p "$1"
  cp -r "$linux_tree"/. "$1"
  rm -f "$1/result.png" "$1"/imagemagick/{convert,composite,magick}
  if [[ $1 == "$inside"/* ]]; then
    (glyphrig_in_root "$im7_root" "$1" "/${inside#"$im7_root"/}/bin-$2" <<<"$3" >"$1/stdout" \
      2>"$1/stderr") || true
  else
    (cd "$1" && PATH=$scratch/bin-$2 ./glyphrig <<<"$3" >stdout 2>stderr) || true
  fi
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
    run_in "$(folder_of "$i" "$bin")" "$bin" "${cases[i + 1]}" &
  done
done
wait

for ((i = 0; i < ${#cases[@]}; i += 3)); do
  name=${cases[i]}
  read -ra references <<<"$(references "$i" | xargs)"
  expect "$name: ImageMagick 6 made a picture" test -s "$(folder_of "$i" im6)/result.png"
  for bin in im7 magick; do
    result=$(folder_of "$i" "$bin")/result.png
    expect_eq "$name, $bin: standard error" "$(cat "$(folder_of "$i" "$bin")/stderr")" ""
    expect_eq "$name, $bin: the page is the picture" "$(identify -format '%g' "$result" 2>&1)" \
      "$(identify -format '%wx%h+0+0' "$result" 2>&1)"
    matched=
    for reference in "${references[@]}"; do
      same_picture "$result" "$(folder_of "$i" "$reference")/result.png" && matched=$reference &&
        break
    done
    expect "$name, $bin: ImageMagick 6's picture within 6% (placements: ${references[*]})" \
      test -n "$matched"
  done
done

report "ImageMagick 7 on Linux"
