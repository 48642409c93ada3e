#!/usr/bin/env bash
# Unpacks the Linux archive of one machine into each given root, minimal
# systems of that machine without ImageMagick, and runs it there with chroot,
# for every kind of picture; each result.png must be the one that the
# reference archive makes, pixel for pixel, colour and alpha. Before that,
# the shipped programs must be static programs of that machine: they need no
# dynamic loader and no C library of the system.
#   check_linux_archive.sh ARCH LINUX_TGZ REFERENCE ROOT...
# ARCH is x86_64 or aarch64; an aarch64 root runs its programs under
# qemu-user-static (tests/linux/qemu_binfmt.sh registers it). REFERENCE is
# the Windows archive, run under Wine with the ImageMagick it ships, or
# another Linux archive, run on this machine.
# Each ROOT needs /bin/sh, rm and /dev/null; the check mounts /proc there.
# Needs root (chroot). Wine comes set up by the caller (WINEPREFIX, WINEDEBUG).
set -euo pipefail
# shellcheck source=tests/check_lib.sh
source "$(dirname "$0")/../check_lib.sh"
# shellcheck source=tests/linux/in_root.sh
source "$(dirname "$0")/in_root.sh"
arch=$1
tgz=$(realpath "$2")
reference=$(realpath "$3")
shift 3
# What file(1) calls the machine, and the objdump that reads its programs.
case $arch in
x86_64) machine=x86-64 objdump=objdump ;;
aarch64) machine="ARM aarch64" objdump=aarch64-linux-gnu-objdump ;;
*) die "the machine is x86_64 or aarch64, not '$arch'" ;;
esac
roots=()
for root in "$@"; do roots+=("$(realpath "$root")"); done

scratch=$(mktemp -d)
insides=() unpacked=()
# Every Linux has /proc, where ImageMagick reads its own path and so its name
# for its messages.
clean_up() {
  local root
  for root in "${roots[@]}"; do umount "$root/proc" 2>/dev/null || true; done
  rm -rf "$scratch" "${insides[@]}"
}
trap clean_up EXIT
for root in "${roots[@]}"; do
  mount -t proc proc "$root/proc"
  insides+=("$(mktemp -d "$root/tmp/glyphrig-check.XXXXXX")")
  tar -xzf "$tgz" -C "${insides[-1]}"
  unpacked+=("$(echo "${insides[-1]}"/*/)")
done
if [[ $reference == *.zip ]]; then
  unzip -q "$reference" -d "$scratch/unpacked"
  reference_name="the Windows archive under Wine"
else
  mkdir "$scratch/unpacked"
  tar -xzf "$reference" -C "$scratch/unpacked"
  reference_name="the reference archive"
fi
reference_dir=$(echo "$scratch"/unpacked/*/)

linux=${unpacked[0]}
if [[ $reference != *.zip ]]; then
  # One folder named as the archive, holding what the other Linux archive
  # holds, but for the licence of musl, which only the x86-64 tools link in.
  top=$(basename "$tgz" .tar.gz)
  expect_eq "tar.gz: everything inside $top/" "$(tar -tzf "$tgz" | grep -v "^$top/" || true)" ""
  expect_eq "tar.gz: holds what ${reference##*/} holds" \
    "$(diff <(tar -tzf "$tgz" | cut -d/ -f2- | sort) <(tar -tzf "$reference" | cut -d/ -f2- | sort) |
      grep '^[<>]' || true)" "> licenses/musl-copyright.txt"
fi
for program in glyphrig imagemagick/convert imagemagick/composite; do
  expect "tar.gz: $program is a static $machine program" \
    grep -q "$machine.*statically linked" <(file -b "$linux/$program")
  expect_eq "tar.gz: $program asks for no glibc version" \
    "$($objdump -T "$linux/$program" 2>/dev/null | grep -o 'GLIBC_[0-9.]*' | sort -u || true)" ""
done
for root in "${roots[@]}"; do
  expect_eq "${root##*/}: the root has no ImageMagick" \
    "$(chroot "$root" /bin/sh -c 'command -v convert composite magick' || true)" ""
done

# NAME, answers, and what the text lies on (too_wide: no picture is to be
# made): every kind, then a typed line and one that Debian's limit refuses.
cases=("${glyphrig_kinds[@]}"
  "chat font, typed German and Polish" $'0\n0\nGrüße aus Łódź\n' clear
  "chat line of 1300 W, 16,900 px" $'0\n0\n'"$(printf 'W%.0s' {1..1300})"$'\n' too_wide
)

# run_case I ANSWERS: a copy of each unpacked folder, the Linux one run in
# each root (with an environment of its own, as a login there has), the
# reference under Wine with Windows line ends, or here.
run_case() {
  local dir=case-$1 r inside
  for r in "${!roots[@]}"; do
    inside=${insides[r]}
    cp -al "${unpacked[r]}" "$inside/$dir"
    (glyphrig_in_root "${roots[r]}" "$inside/$dir" /usr/local/bin:/usr/bin:/bin <<<"$2" \
      >"$scratch/$dir.linux-$r" 2>&1) || true
  done
  cp -al "$reference_dir" "$scratch/$dir"
  if [ -f "$scratch/$dir/glyphrig.exe" ]; then
    (cd "$scratch/$dir" && wine glyphrig.exe <<<"${2//$'\n'/$'\r\n'}" >"../$dir.reference" 2>&1) ||
      true
  else
    (cd "$scratch/$dir" && env -i PATH=/usr/local/bin:/usr/bin:/bin HOME=/root LANG=C.UTF-8 \
      ./glyphrig <<<"$2" >"../$dir.reference" 2>&1) || true
  fi
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
  reference_result=$scratch/$dir/result.png
  [ "${cases[i + 2]}" = too_wide ] ||
    expect "$name: $reference_name made a picture" test -s "$reference_result"
  for r in "${!roots[@]}"; do
    in="${roots[r]##*/}, $name" output=$scratch/$dir.linux-$r
    expect_eq "$in: the tools' messages in the root and of $reference_name" \
      "$(tool_messages "$output")" "$(tool_messages "$scratch/$dir.reference")"
    if [ "${cases[i + 2]}" = too_wide ]; then
      expect "$in: refused in the root by Debian's limit" grep -q 'exceeds limit' "$output"
      continue
    fi
    expect_eq "$in: in the root, glyphrig runs to its end" "$(tail -n 1 "$output")" "done"
    expect_eq "$in: the root's picture is the reference archive's, colour and alpha" \
      "$(compare -alpha set -channel RGBA -metric AE "${insides[r]}/$dir/result.png" \
        "$reference_result" null: 2>&1)" 0
  done
done

report "$arch Linux archive in ${#roots[@]} roots"
