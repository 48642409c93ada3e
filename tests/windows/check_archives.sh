#!/usr/bin/env bash
# Lists the two release archives and checks what they hold, then does what a
# user does: unpack, enter the folder, run the program.
#   check_archives.sh WINDOWS_ZIP LINUX_TGZ ALPHABET_DIR STAND_INS_DIR
# ALPHABET_DIR is the drawn tree the archives were made from; STAND_INS_DIR
# holds the recording convert.exe and composite.exe. Wine comes set up by the
# caller (WINEPREFIX, WINEDEBUG).
set -euo pipefail
# shellcheck source=tests/check_lib.sh
source "$(dirname "$0")/../check_lib.sh"
zip=$(realpath "$1")
tgz=$(realpath "$2")
alphabet=$(realpath "$3")
stand_ins=$(realpath "$4")

make_scratch

# The font folders of the drawn tree, which the generator names as the program does.
mapfile -t fonts < <(find "$alphabet" -mindepth 1 -maxdepth 1 -type d -printf '%P\n' | sort)
licences=(glyphrig-LICENSE fonts-bebas-neue fonts-dejavu-core fonts-dejavu-extra fonts-league-spartan
  fonts-opendin fonts-roadgeek)

# ImageMagick's tools and the licences they need: each archive has its own
# system's tools.
imagemagick_licences=(licenses/{ImageMagick-LICENSE,ImageMagick-NOTICE,libpng-LICENSE,zlib-LICENSE}.txt
  licenses/{imagemagick,libpng1.6,zlib}-copyright.txt)
windows_only=(imagemagick/convert.exe imagemagick/composite.exe licenses/mingw-w64-copyright.txt)
linux_only=(imagemagick/{convert,composite} imagemagick/{coder,colors,english,log,magic,policy}.xml
  licenses/{mimalloc-LICENSE,mimalloc-copyright}.txt)

# check_listing NAME LISTING TOP PROGRAM CLEAN_UP OTHER_CLEAN_UP [MORE_FILES...]
check_listing() {
  local name=$1 listing=$2 top=$3 program=$4 clean_up=$5 other=$6 font file
  shift 6
  expect_eq "$name: everything inside $top/" "$(grep -v "^$top/" <<<"$listing" || true)" ""
  local required=("$program" "alphabet/$clean_up" imagemagick/README.txt README.txt NOTICE.txt
    alphabet/street/background_{street,left,middle,right}.png
    alphabet/car/background_{car,left,middle,right}.png)
  for file in "${licences[@]}"; do required+=("licenses/$file.txt"); done
  required+=("$@")
  for file in "${required[@]}"; do
    expect "$name: holds $file" grep -qxF "$top/$file" <<<"$listing"
  done
  expect "$name: has no $other" test -z "$(grep -F "/$other" <<<"$listing" || true)"
  # Every picture of the drawn tree, and nothing else, in each font folder.
  for font in "${fonts[@]}"; do
    expect_eq "$name: the pictures of alphabet/$font/" \
      "$(sed -n "s|^$top/alphabet/$font/\(.\+\)$|\1|p" <<<"$listing" | sort)" \
      "$(find "$alphabet/$font" -mindepth 1 -maxdepth 1 -printf '%P\n' | sort)"
  done
}

# The Windows archive. Each archive unpacks into a folder named as it is.
listing=$(unzip -Z1 "$zip")
top=$(basename "$zip" .zip)
check_listing "zip" "$listing" "$top" glyphrig.exe remove_temp.bat remove_temp.sh \
  "${windows_only[@]}" "${imagemagick_licences[@]}"
unzip -q "$zip" -d "$scratch/windows"
folder=$scratch/windows/$top
expect_eq "zip: the clean-up script keeps CR LF line ends" \
  "$(grep -c $'\r$' "$folder/alphabet/remove_temp.bat")" "$(wc -l <"$folder/alphabet/remove_temp.bat")"
cp "$stand_ins/convert.exe" "$stand_ins/composite.exe" "$folder/imagemagick/"
status=0
output=$(cd "$folder" && printf '3\r\nHarbour Rd\r\n' | wine glyphrig.exe 2>&1) || status=$?
expect_eq "zip: unpacked, glyphrig.exe runs to its end" "$status $(tail -n 1 <<<"$output")" \
  $'0 done\r'
expect "zip: unpacked, glyphrig.exe ran the tools" test -s "$folder/calls.log"

# The Linux archive, run with the ImageMagick it ships.
listing=$(tar -tzf "$tgz" | sed 's|/$||')
top=$(basename "$tgz" .tar.gz)
check_listing "tar.gz" "$listing" "$top" glyphrig remove_temp.sh remove_temp.bat \
  "${linux_only[@]}" "${imagemagick_licences[@]}"
expect_eq "tar.gz: has no Windows tools or their licences" \
  "$(grep -xF -f <(printf "$top/%s\n" "${windows_only[@]}") <<<"$listing" || true)" ""
tar -xzf "$tgz" -C "$scratch"
folder=$scratch/$top
expect "tar.gz: the program is executable" test -x "$folder/glyphrig"
expect "tar.gz: the clean-up script is executable" test -x "$folder/alphabet/remove_temp.sh"
status=0
output=$(cd "$folder" && printf '4\nGlyphrig 26\ny\n' | ./glyphrig 2>&1) || status=$?
expect_eq "tar.gz: unpacked, glyphrig runs to its end" "$status $(tail -n 1 <<<"$output")" "0 done"
expect_eq "tar.gz: unpacked, glyphrig draws a fitted plate" \
  "$(identify -format '%m %h' "$folder/result.png" 2>&1)" \
  "PNG $(identify -format '%h' "$folder/alphabet/car/background_left.png")"
for piece in left right background; do
  expect "tar.gz: the clean-up script removed alphabet/$piece.png" \
    test ! -e "$folder/alphabet/$piece.png"
done

report "release archives"
