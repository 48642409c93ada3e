#!/usr/bin/env bash
# Runs glyphrig.exe under Wine in scratch working trees whose image tools are
# recording programs (convert.exe and composite.exe, built from
# tests/stand_in_tool.cpp, which also draw blank pictures of the sizes the
# real tools make) and whose clean-up script is the real one. Each dialogue
# must give exactly the tool arguments of its command lines, Windows paths
# and all, "done", its exit status, no stray file, and the same screens as the
# Linux program given the same answers.
#   check_wine_runs.sh glyphrig.exe STAND_INS_DIR ALPHABET_DIR CLEAN_UP_DIR LINUX_PROGRAM
# CLEAN_UP_DIR holds remove_temp.bat and remove_temp.sh; the native stand-in
# tool, glyphrig_stand_in, is built beside LINUX_PROGRAM. Wine comes set up by
# the caller (WINEPREFIX, WINEDEBUG).
set -euo pipefail
# shellcheck source=tests/check_lib.sh
source "$(dirname "$0")/../check_lib.sh"
exe=$(realpath "$1")
stand_ins=$(realpath "$2")
alphabet=$(realpath "$3")
clean_up=$(realpath "$4")
linux_program=$(realpath "$5")
stand_in=$(dirname "$linux_program")/glyphrig_stand_in

make_scratch
alphabet=$(linkable "$alphabet")

# lay_out_tree DIR: the glyph pictures and backgrounds that a run reads (hard
# links: a run only adds and removes files), and the file it locks.
lay_out_tree() {
  mkdir -p "$1"/imagemagick "$1"/alphabet
  cp -al "$alphabet"/*/ "$1/alphabet/"
  cp "$clean_up/run.lock" "$1/alphabet/"
}

# run_case DIR INPUT_FILE: runs glyphrig.exe in a fresh tree DIR/tree with
# the input on its standard input, and beside it the Linux program with the
# same answers (LF line ends) in DIR/linux, whose tools only make the picture
# they are asked for, of its size. Leaves DIR/{before,status,stdout,stderr,linux-stdout}.
run_case() {
  local dir=$1 input=$2 tool
  rm -rf "$dir"
  lay_out_tree "$dir/tree"
  cp "$stand_ins/convert.exe" "$stand_ins/composite.exe" "$dir/tree/imagemagick/"
  cp "$clean_up/remove_temp.bat" "$dir/tree/alphabet/"
  files_in "$dir/tree" >"$dir/before"

  lay_out_tree "$dir/linux"
  cp "$clean_up/remove_temp.sh" "$dir/linux/alphabet/"
  for tool in convert composite; do
    printf '#!/bin/sh\nexec %s %s "$@"\n' "$stand_in" "$tool" >"$dir/linux/imagemagick/$tool"
    chmod +x "$dir/linux/imagemagick/$tool"
  done
  sed 's/\r$//' "$input" >"$dir/linux-stdin"
  (cd "$dir/linux" && "$linux_program" <"$dir/linux-stdin" >"$dir/linux-stdout" 2>/dev/null) &

  local status=0
  (cd "$dir/tree" && wine "$exe" <"$input" >"$dir/stdout" 2>"$dir/stderr") || status=$?
  echo "$status" >"$dir/status"
  wait
}

files_in() { (cd "$1" && find . -type f | sort); }

# The dialogues are run side by side (most of a run is Wine starting
# programs, and the program's closing pause), then checked in order.
names=()
inputs=()
expected_calls=()
expected_status=()
expected_last=()

# dialogue NAME INPUT [STATUS [LAST_LINE]] <<<EXPECTED_CALLS: a whole run that
# draws, and says "done" unless another last line is given.
dialogue() {
  names+=("$1")
  inputs+=("$2")
  expected_status+=("${3:-0}")
  expected_last+=("${4:-done}")
  expected_calls+=("$(cat)")
}

run_dialogues() {
  local i
  for i in "${!names[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge 4 ]; do wait -n; done
    printf '%s' "${inputs[$i]}" >"$scratch/input-$i"
    run_case "$scratch/case-$i" "$scratch/input-$i" &
  done
  wait
}

check_dialogue() {
  local name=${names[$1]} dir=$scratch/case-$1
  local calls
  calls=$(cat "$dir/tree/calls.log" 2>/dev/null || true)
  expect_eq "$name: exit status" "$(cat "$dir/status")" "${expected_status[$1]}"
  expect_eq "$name: the tools' arguments" "$calls" "${expected_calls[$1]}"
  expect_eq "$name: standard error" "$(cat "$dir/stderr")" ""
  expect_eq "$name: the last line" "$(tail -n 1 "$dir/stdout")" "${expected_last[$1]}"$'\r'

  # The C runtime writes CR LF line ends, and real cmd.exe writes a form feed
  # for "cls" into a file (Wine's writes nothing). Apart from that the screens
  # are the Linux program's, byte for byte.
  expect_eq "$name: the screens are the Linux program's" \
    "$(sed 's/\r$//' "$dir/stdout" | tr -d '\f')" "$(cat "$dir/linux-stdout")"
  # The clean-up script removed the plate pieces; nothing else was made, and
  # no picture where there is no "done".
  local made=()
  [ -z "${expected_calls[$1]}" ] || made+=(./calls.log)
  [ "${expected_last[$1]}" != "done" ] || made+=(./result.png)
  expect_eq "$name: files left in the working tree" "$(files_in "$dir/tree")" \
    "$( (cat "$dir/before"; [ ${#made[@]} -eq 0 ] || printf '%s\n' "${made[@]}") | sort)"
}

tint() {
  echo "convert [result.png] [-channel] [RGB] [-colorspace] [Gray] [-normalize] [+level-colors] [black,$1] [result.png]"
}

# The question whether ImageMagick knows a typed code.
colour_check() {
  echo "convert [-quiet] [xc:$1] [+level-colors] [black,$1] [null:]"
}

refusal='Your text is too long for a license plate. Please retry with shorter text!'


dialogue "large font, colour 10" $'1\r\n10\r\nGo now\r\n' <<END
convert [alphabet/large/71.png] [alphabet/large/79.png] [alphabet/large/32.png] [alphabet/large/78.png] [alphabet/large/79.png] [alphabet/large/87.png] [+append] [+repage] [result.png]
$(tint '#ff6312')
END

dialogue "large font, LF line ends" $'1\n10\nGo now\n' <<END
convert [alphabet/large/71.png] [alphabet/large/79.png] [alphabet/large/32.png] [alphabet/large/78.png] [alphabet/large/79.png] [alphabet/large/87.png] [+append] [+repage] [result.png]
$(tint '#ff6312')
END

dialogue "chat font keeps lower case, colour 3" $'0\r\n3\r\nHi{\r\n' <<END
convert [alphabet/normal/72.png] [alphabet/normal/105.png] [alphabet/normal/123.png] [+append] [+repage] [result.png]
$(tint '#a2d0ff')
END

dialogue "menu font, no tint, empty line" $'2\r\n0\r\n\r\n' 1 \
  'The text line was empty: there is nothing to draw.' </dev/null

dialogue "menu font, typed code" $'2\r\n8\r\n#123456 more words\r\nab\r\n' <<END
$(colour_check '#123456')
convert [alphabet/menu/65.png] [alphabet/menu/66.png] [+append] [+repage] [result.png]
$(tint '#123456')
END

dialogue "large font, a code without its #" $'1\r\n8\r\nff0000\r\nA\r\n' <<END
$(colour_check '#ff0000')
convert [alphabet/large/65.png] [+append] [+repage] [result.png]
$(tint '#ff0000')
END

dialogue "street sign" $'3\r\nHarbour Rd\r\n' <<'END'
convert [alphabet/street/72.png] [alphabet/street/65.png] [alphabet/street/82.png] [alphabet/street/66.png] [alphabet/street/79.png] [alphabet/street/85.png] [alphabet/street/82.png] [alphabet/street/32.png] [alphabet/street/82.png] [alphabet/street/68.png] [+append] [+repage] [result.png]
composite [-gravity] [center] [result.png] [alphabet/street/background_street.png] [result.png]
END

# 30 W: a sign as wide as the line with the room above and below it beside it.
width_of() { identify -format %w "$alphabet/street/$1.png"; }
height_of() { identify -format %h "$alphabet/street/$1.png"; }
sign_height=$(height_of background_street)
sign_middle=$((30 * $(width_of 87) + sign_height - $(height_of 87) - $(width_of background_left) -
  $(width_of background_right)))
dialogue "street sign that grows" $'3\r\n'"$(printf 'W%.0s' {1..30})"$'\r\n' <<END
convert $(printf '[alphabet/street/87.png] %.0s' {1..30})[+append] [+repage] [result.png]
convert [alphabet/street/background_middle.png] [-sample] [${sign_middle}x${sign_height}!] [alphabet/mid.png]
convert [alphabet/street/background_left.png] [alphabet/mid.png] [alphabet/street/background_right.png] [+append] [+repage] [alphabet/background.png]
composite [-gravity] [center] [result.png] [alphabet/background.png] [result.png]
END

dialogue "fixed plate" $'4\r\nab 12\r\nN\r\nn\r\n' <<'END'
convert [alphabet/car/65.png] [alphabet/car/66.png] [alphabet/car/32.png] [alphabet/car/49.png] [alphabet/car/50.png] [+append] [+repage] [result.png]
composite [-gravity] [center] [result.png] [alphabet/car/background_car.png] [result.png]
END

# 308 px: more than lies between the fixed plate's bolts.
dialogue "fixed plate too wide" $'4\r\nWWWWWWWWWWWWWW\r\nn\r\n' 1 "$refusal" <<END
convert $(printf '[alphabet/car/87.png] %.0s' {1..14})[+append] [+repage] [result.png]
END

# 56 px of text: the right piece's source path is the one with backslashes.
fitted_56px='convert [alphabet/car/65.png] [alphabet/car/66.png] [alphabet/car/32.png] [alphabet/car/49.png] [alphabet/car/50.png] [+append] [+repage] [result.png]
convert [alphabet/car/background_left.png] [-crop] [-101+0] [alphabet/left.png]
convert [alphabet\car\background_right.png] [-crop] [+45+0] [alphabet/right.png]
convert [alphabet/left.png] [alphabet/right.png] [+append] [+repage] [alphabet/background.png]
composite [-gravity] [center] [result.png] [alphabet/background.png] [result.png]'
dialogue "fitted plate, right piece cut" $'4\r\nab 12\r\nmaybe\r\ny\r\n' <<<"$fitted_56px"
dialogue "fitted plate, LF line ends" $'4\nab 12\ny\n' <<<"$fitted_56px"

# 133 px: the left piece is cut.
dialogue "fitted plate, left piece cut" $'4\r\nglyphrig 26\r\ny\r\n' <<'END'
convert [alphabet/car/71.png] [alphabet/car/76.png] [alphabet/car/89.png] [alphabet/car/80.png] [alphabet/car/72.png] [alphabet/car/82.png] [alphabet/car/73.png] [alphabet/car/71.png] [alphabet/car/32.png] [alphabet/car/50.png] [alphabet/car/54.png] [+append] [+repage] [result.png]
convert [alphabet/car/background_right.png] [alphabet/right.png]
convert [alphabet/car/background_left.png] [-crop] [-69+0] [alphabet/left.png]
convert [alphabet/left.png] [alphabet/right.png] [+append] [+repage] [alphabet/background.png]
composite [-gravity] [center] [result.png] [alphabet/background.png] [result.png]
END

# 220 px: three pieces.
dialogue "fitted plate, three pieces" $'4\r\nWWWWWWWWWW\r\ny\r\n' <<END
convert $(printf '[alphabet/car/87.png] %.0s' {1..10})[+append] [+repage] [result.png]
convert [alphabet/car/background_right.png] [alphabet/right.png]
convert [alphabet/car/background_left.png] [alphabet/left.png]
convert [alphabet/car/background_middle.png] [-crop] [+96+0] [alphabet/mid.png]
convert [alphabet/left.png] [alphabet/mid.png] [alphabet/right.png] [+append] [+repage] [alphabet/background.png]
composite [-gravity] [center] [result.png] [alphabet/background.png] [result.png]
END

# 352 px: refused once the whole end pieces are made.
dialogue "fitted plate too wide" $'4\r\nWWWWWWWWWWWWWWWW\r\ny\r\n' 1 "$refusal" <<END
convert $(printf '[alphabet/car/87.png] %.0s' {1..16})[+append] [+repage] [result.png]
convert [alphabet/car/background_right.png] [alphabet/right.png]
convert [alphabet/car/background_left.png] [alphabet/left.png]
END

# Far longer than cmd.exe would take (8,191 characters).
dialogue "a line of 1,000 characters" $'0\r\n0\r\n'"$(printf 'a%.0s' {1..1000})"$'\r\n' <<END
convert $(printf '[alphabet/normal/97.png] %.0s' {1..1000})[+append] [+repage] [result.png]
END

# Colour codes that cmd.exe would act on if they reached it bare; each would
# make pwned.txt, start a program, read a file or expand a variable. A code is
# one word: the tool gets the code up to its first space.
hostile_codes=(
  'x&echo pwned>pwned.txt'
  'x&echo.>pwned.txt'
  'x&&echo.>pwned.txt'
  'x|calc'
  'x|echo.>pwned.txt'
  'x>pwned.txt'
  'x<calls.log'
  '%PATH%'
  '%PATH:~0,3%'
  '%PATH:\=/%'
  '%CD%%%'
  '^&'
  '^&echo.>pwned.txt'
  'a"b'
  'x"&echo pwned>pwned.txt&"'
  'x"&echo.>pwned.txt&"'
  '"%PATH%"'
  'a\"b\\"&echo.>pwned.txt'
  '(x)&(echo.>pwned.txt)'
)
for code in "${hostile_codes[@]}"; do
  dialogue "colour code $code" $'2\r\n8\r\n'"$code"$'\r\nA\r\n' <<END
$(colour_check "${code%% *}")
convert [alphabet/menu/65.png] [+append] [+repage] [result.png]
$(tint "${code%% *}")
END
done

run_dialogues
for i in "${!names[@]}"; do check_dialogue "$i"; done

# Input that ends before every question is answered: nothing runs.
printf '1\r\n' >"$scratch/input-ended"
run_case "$scratch/ended" "$scratch/input-ended"
expect_eq "input ends at the colour menu: exit status" "$(cat "$scratch/ended/status")" 1
expect "input ends at the colour menu: nothing runs" test ! -e "$scratch/ended/tree/calls.log"

# failed_run NAME DIR INPUT: a run in DIR that ends without its picture,
# with one line on standard error that contains the rest of the arguments.
failed_run() {
  local name=$1 dir=$2 input=$3 status=0
  shift 3
  printf '%s' "$input" | (cd "$dir" && wine "$exe" >"$dir.stdout" 2>"$dir.stderr") || status=$?
  expect_eq "$name: exit status" "$status" 1
  expect "$name: the reason" grep -qF "$*" "$dir.stderr"
  expect "$name: no done" test -z "$(grep 'done' "$dir.stdout" || true)"
  expect "$name: no picture" test ! -e "$dir/result.png"
}

# Without convert.exe the error names it.
missing=$scratch/missing
lay_out_tree "$missing"
cp "$stand_ins/composite.exe" "$missing/imagemagick/"
cp "$clean_up/remove_temp.bat" "$missing/alphabet/"
failed_run "convert.exe missing" "$missing" $'0\r\n0\r\nA\r\n' 'imagemagick\convert.exe'

# 2,000 glyph paths: more than CreateProcess takes.
too_long=$scratch/too-long
lay_out_tree "$too_long"
cp "$stand_ins/convert.exe" "$stand_ins/composite.exe" "$too_long/imagemagick/"
cp "$clean_up/remove_temp.bat" "$too_long/alphabet/"
failed_run "a line too long for the system" "$too_long" \
  $'0\r\n0\r\n'"$(printf 'W%.0s' {1..2000})"$'\r\n' 'the text is too long'
expect "a line too long for the system: no tool ran" test ! -e "$too_long/calls.log"

# ImageMagick 7 brings only magick.exe: convert's words go to it as they are,
# composite's after the word composite. (The stand-in calls itself convert.)
magick=$scratch/magick
lay_out_tree "$magick"
cp "$stand_ins/convert.exe" "$magick/imagemagick/magick.exe"
cp "$clean_up/remove_temp.bat" "$magick/alphabet/"
printf '3\r\nAB\r\n' | (cd "$magick" && wine "$exe" >/dev/null 2>&1) || true
expect_eq "magick.exe alone: the tools' arguments" "$(cat "$magick/calls.log" 2>/dev/null)" \
  "convert [alphabet/street/65.png] [alphabet/street/66.png] [+append] [+repage] [result.png]
convert [composite] [-gravity] [center] [result.png] [alphabet/street/background_street.png] [result.png]"

report "glyphrig.exe under Wine"
