# shellcheck shell=bash
# shellcheck disable=SC2154  # $work is the scratch folder of the script that sources this
# Sourced by the benchmark scripts, which write one line per measurement to
# $work/times: what was measured, then one time per way of running it.

# median_and_noise: for a column of numbers, the median and half the width
# of its 95% interval (1.58 IQR / sqrt(n)).
median_and_noise() {
  sort -g | awk '{ v[NR] = $1 } END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    print m, 1.58 * (v[int(3 * NR / 4) + 1] - v[int(NR / 4) + 1]) / sqrt(NR) }'
}

# column WHAT AWK_EXPRESSION: the median and noise of the expression over the
# lines of WHAT (for example '$2', or '$3 / $2').
column() { awk -v k="$1" "\$1 == k { print $2 }" "$work/times" | median_and_noise; }

# time_rounds ROUNDS FIRST SECOND WHAT...: times each WHAT both ways, ROUNDS
# times, by the caller's `time_one WHAT WAY`, the order of the two ways
# alternating from round to round so that neither always runs on a warmer
# machine. Writes "WHAT FIRST_TIME SECOND_TIME" lines to $work/times.
time_rounds() {
  local rounds=$1 first=$2 second=$3 round what a b
  shift 3
  : >"$work/times"
  for ((round = 1; round <= rounds; round++)); do
    for what in "$@"; do
      if ((round % 2)); then
        b=$(time_one "$what" "$second")
        a=$(time_one "$what" "$first")
      else
        a=$(time_one "$what" "$first")
        b=$(time_one "$what" "$second")
      fi
      echo "$what $a $b" >>"$work/times"
    done
  done
}
