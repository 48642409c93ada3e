# shellcheck shell=bash
# Sourced by the benchmark scripts, which write one line per measurement to
# $work/times: what was measured, then one time per way of running it.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib.sh"

# need_built FILE...: stops, saying how to build, where a file is missing.
need_built() {
  local need
  for need in "$@"; do
    [ -e "$need" ] ||
      die "$need is not built; run: cmake --preset default && cmake --build --preset default"
  done
}

# make_work: $work, the scratch folder of the run.
make_work() {
  make_scratch
  work=$scratch
}

# write_answers: $kinds, every kind with a line of realistic length, and the
# answers of each in $work/answers/KIND.
write_answers() {
  # shellcheck disable=SC2034  # read by the scripts that source this
  kinds=(large_tinted normal_untinted menu_typed_code street_sign plate_fixed plate_fitted)
  mkdir -p "$work/answers"
  printf '1\n10\nWasted! Press fire to retry\n' >"$work/answers/large_tinted"
  printf '0\n0\nMeet me at the docks at nine\n' >"$work/answers/normal_untinted"
  printf '2\n8\n#33cc99\nStart New Game\n' >"$work/answers/menu_typed_code"
  printf '3\nHarbour Road\n' >"$work/answers/street_sign"
  printf '4\nGR 2026 AB\nn\n' >"$work/answers/plate_fixed"
  printf '4\nGlyphrig 2026\ny\n' >"$work/answers/plate_fitted"
}

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
