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

# example NAME ANSWERS: one run answering the dialogue with ANSWERS (printf escapes).
example() {
  rm -f "$work/tree/result.png"
  (cd "$work/tree" && printf "$2" | ./glyphrig >/dev/null)
  if [ ! -f "$work/tree/result.png" ]; then
    echo "make_examples: the run for $1 made no picture" >&2
    exit 1
  fi
  # Strip the time stamps so unchanged pictures stay unchanged in git.
  convert "$work/tree/result.png" -strip "docs/images/$1.png"
  echo "docs/images/$1.png: $(identify -format '%wx%h' "docs/images/$1.png")"
}

example large_tinted '1\n10\nWasted!\n'
example chat_line '0\n3\nMeet me at the docks in five minutes\n'
example menu_line '2\n16\nStart New Game\n'
example street_sign '3\nHarbour Road\n'
example plate_fitted '4\nGlyphrig 2026\ny\n'
example plate_fixed '4\nGlyphrig\nn\n'
