#!/usr/bin/env bash
# Makes the example pictures in docs/images/ by running the built program, with the
# system's ImageMagick, in a scratch copy of the working tree. Build first:
#   cmake --preset default && cmake --build --preset default
set -euo pipefail
cd "$(dirname "$0")/.."
tree=build/tree
if [ ! -x "$tree/glyphrig" ] || [ ! -d "$tree/alphabet/car" ]; then
  echo "make_examples: $tree is not built yet; run: cmake --preset default && cmake --build --preset default" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$tree" "$work/tree"
mkdir -p docs/images

# draw FILE ANSWER...: one run answering the dialogue with one line per ANSWER, each
# taken as it is (a text line is no format for printf); its picture goes to FILE.
draw() {
  local file=$1
  shift
  rm -f "$work/tree/result.png"
  (cd "$work/tree" && printf '%s\n' "$@" | ./glyphrig >/dev/null)
  if [ ! -f "$work/tree/result.png" ]; then
    echo "make_examples: the run for $file made no picture" >&2
    exit 1
  fi
  # Strip the time stamps so unchanged pictures stay unchanged in git.
  convert "$work/tree/result.png" -strip "$file"
}

# example NAME ANSWER...: one run's picture as docs/images/NAME.png.
example() {
  draw "docs/images/$1.png" "${@:2}"
  echo "docs/images/$1.png: $(identify -format '%wx%h' "docs/images/$1.png")"
}

example large_tinted 1 10 'Wasted!'
example chat_line 0 3 'Meet me at the docks in five minutes'
example menu_line 2 16 'Start New Game'
example street_sign 3 'Harbour Road'
example plate_fitted 4 'Glyphrig 2026' y
example plate_fixed 4 Glyphrig n

# Typing in other languages: a line of Polish, Vietnamese, Russian and Greek in each font
# that draws them, one below the other on the grey of the contact sheets.
lines=()
for font in '0 3' '1 10' '2 16' '3'; do
  for text in 'Zażółć gęślą jaźń' 'Tiếng Việt có dấu' 'Съешь же ещё' 'Ωμέγα και Άλφα'; do
    lines+=("$work/line-${#lines[@]}.png")
    # shellcheck disable=SC2086 # the font's answers are words of their own
    draw "${lines[-1]}" $font "$text"
  done
done
convert "${lines[@]}" +repage -bordercolor none -border 6x3 -background '#59606b' -gravity west \
  -append +repage -flatten -strip docs/images/other_languages.png
echo "docs/images/other_languages.png: $(identify -format '%wx%h' docs/images/other_languages.png)"
