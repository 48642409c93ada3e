#!/usr/bin/env bash
# Times whole runs of each kind against the same commands run one after another
# from a shell script, side by side, and prints one table; then the program's
# in-process numbers. Build first:
#   cmake --preset default && cmake --build --preset default
# Usage: bench/whole_runs.sh [ROUNDS]    (default 120, a minute or two)
#
# Both sides are timed alike by bench/run_timer.cpp, from the line "Working..."
# to the line "done": the program writes them around its work (the glyph pass,
# the ImageMagick commands, the clean-up script), the shell script around the
# very commands the program ran, recorded from a run with the same answers.
# Each round runs every kind once both ways, the order alternating between
# rounds; the table gives medians over the rounds.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/timing_lib.sh
rounds=${1:-120}
tree=build/tree
timer=$PWD/build/bench/run_timer
in_process=$PWD/build/bench/glyphrig_bench
need_built "$tree/glyphrig" "$tree/alphabet/car/background_car.png" "$timer" "$in_process"
make_work
mkdir "$work/scripts"
write_answers

# The commands of each run, recorded by tools that note their call as a shell
# command line and then run the system's ImageMagick.
cp -r "$tree" "$work/record"
for tool in convert composite; do
  cat >"$work/record/imagemagick/$tool" <<TOOL
#!/usr/bin/env bash
{ printf '%q' $tool; printf ' %q' "\$@"; printf '\n'; } >>"\$RECORD"
exec $tool "\$@"
TOOL
  chmod +x "$work/record/imagemagick/$tool"
done
mv "$work/record/alphabet/remove_temp.sh" "$work/record/alphabet/remove_temp_real.sh"
cat >"$work/record/alphabet/remove_temp.sh" <<'SCRIPT'
printf 'sh alphabet/remove_temp.sh\n' >>"$RECORD"
exec sh "$(dirname "$0")/remove_temp_real.sh"
SCRIPT
for kind in "${kinds[@]}"; do
  script=$work/scripts/$kind.sh
  echo 'echo Working...' >"$script"
  (cd "$work/record" && RECORD=$script ./glyphrig <"$work/answers/$kind" >/dev/null)
  echo 'echo done' >>"$script"
  cp "$work/record/result.png" "$work/record/$kind.png"
done

# The timed tree, and a check that the script makes the same picture as the program.
cp -r "$tree" "$work/tree"
for kind in "${kinds[@]}"; do
  (cd "$work/tree" && "$timer" /dev/null sh "$work/scripts/$kind.sh" >/dev/null)
  if [ "$(compare -metric AE "$work/tree/result.png" "$work/record/$kind.png" null: 2>&1)" != 0 ]; then
    echo "whole_runs: the script for $kind makes another picture than the program" >&2
    exit 1
  fi
done

# time_one KIND WHICH: microseconds of one run, by the program or by the script.
time_one() {
  rm -f "$work/tree/result.png"
  if [ "$2" = glyphrig ]; then
    (cd "$work/tree" && "$timer" "$work/answers/$1" ./glyphrig)
  else
    (cd "$work/tree" && "$timer" /dev/null sh "$work/scripts/$1.sh")
  fi
}

echo "Timing $rounds rounds of ${#kinds[@]} kinds, each way..." >&2
for kind in "${kinds[@]}"; do time_one "$kind" glyphrig >/dev/null; done  # warm the caches
time_rounds "$rounds" script glyphrig "${kinds[@]}"


echo
echo "$(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, $(. /etc/os-release && echo "$PRETTY_NAME"),"
echo "$(convert -version | sed -n 's/^Version: \(ImageMagick [^ ]* [^ ]*\).*/\1/p') as $(command -v convert)"
echo "Whole runs, from \"Working...\" to \"done\", $rounds rounds"
echo "(times: medians; overhead: the median of each round's glyphrig/alone - 1, and the"
echo " half width of its 95% interval)"
printf '%-17s %20s %12s %10s %8s\n' kind "ImageMagick alone" glyphrig overhead "+/-"
# The columns are awk expressions of the times, not shell.
# shellcheck disable=SC2016
for kind in "${kinds[@]}"; do
  read -r alone _ < <(column "$kind" '$2')
  read -r program _ < <(column "$kind" '$3')
  read -r overhead noise < <(column "$kind" '100 * ($3 / $2 - 1)')
  awk -v k="$kind" -v a="$alone" -v p="$program" -v o="$overhead" -v n="$noise" \
    'BEGIN { printf "%-17s %17.1f ms %9.1f ms %+9.1f%% %7.1f%%\n", k, a / 1000, p / 1000, o, n }'
done

echo
echo "In-process work"
"$in_process" --benchmark_min_time=0.5 2>/dev/null
