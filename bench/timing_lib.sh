# shellcheck shell=bash
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
