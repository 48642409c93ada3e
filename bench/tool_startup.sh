#!/usr/bin/env bash
# Times the ImageMagick that the Linux archive ships (build/imagemagick/, the
# static convert and composite) against Debian's own (/usr/bin/convert and
# /usr/bin/composite, shared libraries and all its modules): one convert call,
# and a whole run of each kind as bench/whole_runs.sh times it, from the line
# "Working..." to the line "done", with the page faults of each, of all its
# processes. Prints one table. Build first:
#   cmake --preset default && cmake --build --preset default
# Usage: bench/tool_startup.sh [ROUNDS]    (default 60, about a minute)
#
# Both sides run in copies of build/tree, one with the shipped tools in its
# imagemagick/, one with that folder empty and PATH holding Debian's tools
# alone; each round runs everything both ways, the order alternating.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/timing_lib.sh
rounds=${1:-60}
timer=$PWD/build/bench/run_timer
need_built build/tree/glyphrig build/imagemagick/convert "$timer"
make_work
mkdir "$work/bin" "$work/faults"
for link in convert=/usr/bin/convert composite=/usr/bin/composite rm=/bin/rm dirname=/usr/bin/dirname; do
  ln -s "${link#*=}" "$work/bin/${link%%=*}"
done
cp -r build/tree "$work/debian"
cp -r build/tree "$work/shipped"
cp build/imagemagick/{convert,composite,*.xml} "$work/shipped/imagemagick/"

write_answers

# time_one WHAT SIDE: microseconds of one convert call or one whole run; its
# page faults go to $work/faults/WHAT.SIDE.
time_one() {
  local tree=$work/$2 faults=(--faults "$work/faults/$1.$2")
  if [ "$1" = one_call ]; then
    local convert=convert
    [ "$2" = debian ] || convert=imagemagick/convert
    (cd "$tree" && PATH=$work/bin "$timer" "${faults[@]}" /dev/null /bin/sh -c \
      "echo Working...; $convert alphabet/normal/72.png +append +repage result.png; echo done")
  else
    (cd "$tree" && PATH=$work/bin "$timer" "${faults[@]}" "$work/answers/$1" ./glyphrig)
  fi
}

whats=(one_call "${kinds[@]}")
for what in "${whats[@]}"; do time_one "$what" debian >/dev/null && time_one "$what" shipped >/dev/null; done
echo "Timing $rounds rounds of ${#whats[@]} measurements, each way..." >&2
rm -f "$work/faults"/*
time_rounds "$rounds" debian shipped "${whats[@]}"


echo
echo "$(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, $(. /etc/os-release && echo "$PRETTY_NAME")"
echo "Debian's $(/usr/bin/convert -version | sed -n 's/^Version: \(ImageMagick [^ ]* [^ ]*\).*/\1/p')" \
  "against the shipped $("$work/shipped/imagemagick/convert" -version |
    sed -n 's/^Version: \(ImageMagick [^ ]* [^ ]*\).*/\1/p'), $rounds rounds"
echo "(times: medians; ratio: the median of each round's shipped/Debian, and the half"
echo " width of its 95% interval; page faults: medians, of all the processes of a call or run)"
printf '%-17s %12s %12s %8s %7s %14s %14s\n' "" Debian shipped ratio "+/-" "faults Debian" "faults shipped"
# The columns are awk expressions of the times, not shell.
# shellcheck disable=SC2016
for what in "${whats[@]}"; do
  read -r debian _ < <(column "$what" '$2')
  read -r shipped _ < <(column "$what" '$3')
  read -r ratio noise < <(column "$what" '$3 / $2')
  read -r debian_faults _ < <(median_and_noise <"$work/faults/$what.debian")
  read -r shipped_faults _ < <(median_and_noise <"$work/faults/$what.shipped")
  awk -v k="$what" -v d="$debian" -v s="$shipped" -v r="$ratio" -v n="$noise" \
    -v df="$debian_faults" -v sf="$shipped_faults" \
    'BEGIN { printf "%-17s %9.1f ms %9.1f ms %8.2f %7.2f %14d %14d\n", k, d / 1000, s / 1000, r, n, df, sf }'
done
