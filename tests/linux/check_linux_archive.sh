#!/usr/bin/env bash
# Unpacks the Linux archive into a minimal Debian root without ImageMagick
# and runs it there with chroot, for every kind of picture; each result.png
# must be the one the Windows archive's glyphrig.exe makes under Wine with
# the ImageMagick it ships, pixel for pixel, colour and alpha. Before that,
# the shipped programs must need nothing beyond glibc.
#   check_linux_archive.sh LINUX_TGZ WINDOWS_ZIP DEBIAN_ROOT
# Needs root (chroot). Wine comes set up by the caller (WINEPREFIX, WINEDEBUG).
set -euo pipefail
# shellcheck source=tests/windows/check_lib.sh
source "$(dirname "$0")/../windows/check_lib.sh"
tgz=$(realpath "$1")
zip=$(realpath "$2")
root=$(realpath "$3")

scratch=$(mktemp -d)
inside=$(mktemp -d "$root/tmp/glyphrig-check.XXXXXX")
# Every Linux has /proc, where ImageMagick reads its own path and so its name
# for its messages.
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"; rm -rf "$scratch" "$inside"' EXIT
tar -xzf "$tgz" -C "$inside"
linux=$(echo "$inside"/*/)
unzip -q "$zip" -d "$scratch/unpacked"
windows=$(echo "$scratch"/unpacked/*/)

# glibc's libraries, which every Linux has.
glibc='^(libc|libm|libpthread|libdl|librt)\.so\.[0-9]+$|^ld-linux-x86-64\.so\.2$'
for program in glyphrig imagemagick/convert imagemagick/composite; do
  expect_eq "tar.gz: $program needs nothing beyond glibc" \
    "$(objdump -p "$linux/$program" | sed -n 's/^ *NEEDED *//p' | grep -Ev "$glibc" || true)" ""
done
expect_eq "the Debian root has no ImageMagick" \
  "$(chroot "$root" /bin/sh -c 'command -v convert composite magick' || true)" ""

# NAME, answers, and whether a picture is to be made.
cases=(
  "large font, preset tint" $'1\n10\nGo now\n' yes
  "chat font, typed code" $'0\n8\n#33cc99\nHi there\n' yes
  "menu font, named colour" $'2\n8\nred\nMenu\n' yes
  "chat font, no tint" $'0\n0\nplain chat\n' yes
  "street sign" $'3\nHarbour Road\n' yes
  "fitted plate, two pieces" $'4\nab 12\ny\n' yes
  "fitted plate, three pieces" $'4\nWWWWWWWWWW\ny\n' yes
  "fixed plate" $'4\nGlyphrig\nn\n' yes
  "chat line of 1300 W, 16,900 px" $'0\n0\n'"$(printf 'W%.0s' {1..1300})"$'\n' no
)

# run_case I ANSWERS: a copy of each unpacked folder, the Linux one run in the
# root (with an environment of its own, as a login there has), the Windows
# one under Wine with Windows line ends.
run_case() {
  local dir=case-$1
  cp -al "$linux" "$inside/$dir"
  cp -al "$windows" "$scratch/$dir"
  (chroot "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin HOME=/root LANG=C.UTF-8 \
    /bin/sh -c "cd '/${inside#"$root"/}/$dir' && ./glyphrig" <<<"$2" >"$scratch/$dir.linux" 2>&1) ||
    true
  (cd "$scratch/$dir" && wine glyphrig.exe <<<"${2//$'\n'/$'\r\n'}" >"../$dir.windows" 2>&1) ||
    true
}
for ((i = 0; i < ${#cases[@]}; i += 3)); do
  while [ "$(jobs -rp | wc -l)" -ge 3 ]; do wait -n; done
  run_case "$i" "${cases[i + 1]}" &
done
wait

# tool_messages OUTPUT: ImageMagick's messages in a run's output, up to the
# file they name.
tool_messages() {
  grep -Eo '(convert|composite)(\.exe)?: [^`]*' "$1" | sed 's/\.exe:/:/' || true
}

for ((i = 0; i < ${#cases[@]}; i += 3)); do
  name=${cases[i]} dir=case-$i
  linux_result=$inside/$dir/result.png windows_result=$scratch/$dir/result.png
  expect_eq "$name: the tools' messages in the root and under Wine" \
    "$(tool_messages "$scratch/$dir.linux")" "$(tool_messages "$scratch/$dir.windows")"
  if [ "${cases[i + 2]}" = no ]; then
    expect "$name: refused in the root by Debian's limit" \
      grep -q 'exceeds limit' "$scratch/$dir.linux"
    continue
  fi
  expect_eq "$name: in the root, glyphrig runs to its end" "$(tail -n 1 "$scratch/$dir.linux")" "done"
  expect "$name: Wine made a picture" test -s "$windows_result"
  expect_eq "$name: the root's picture is the Windows archive's, colour and alpha" \
    "$(compare -alpha set -channel RGBA -metric AE "$linux_result" "$windows_result" null: 2>&1)" 0
done

report "Linux archive in a Debian root"
