# shellcheck shell=bash
# Sourced by the Windows and Linux checks: counts checks and reports each
# failure with what was expected and what came; and brings what every script
# shares.
# shellcheck source=scripts/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib.sh"
glyphrig_passed=0
glyphrig_failed=0

pass() { glyphrig_passed=$((glyphrig_passed + 1)); }

# fail WHAT [DETAILS...]
fail() {
  glyphrig_failed=$((glyphrig_failed + 1))
  echo "FAIL: $1" >&2
  shift
  local line
  for line in "$@"; do printf '      %s\n' "$line" >&2; done
}

# expect_eq WHAT ACTUAL EXPECTED: a diff of the two on failure.
expect_eq() {
  if [ "$2" == "$3" ]; then
    pass
  else
    fail "$1" "--- expected / +++ actual:"
    diff <(printf '%s\n' "$3") <(printf '%s\n' "$2") | sed 's/^/      /' >&2 || true
  fi
}

# show_files FILE...: the lines of each, indented under the failure just said,
# to tell its cause; a file that is not there is named so.
show_files() {
  local file
  for file in "$@"; do
    sed "s|^|      ${file##*/}: |" "$file" >&2 2>/dev/null || echo "      no ${file##*/}" >&2
  done
}

# linkable DIR: DIR, or where $scratch is on another file system (in memory),
# a copy of it there, so that the runs' folders in $scratch can hard-link its
# files.
linkable() {
  if [ "$(stat -c %d "$1")" = "$(stat -c %d "$scratch")" ]; then
    echo "$1"
  else
    cp -a "$1" "$scratch/linkable-${1##*/}" && echo "$scratch/linkable-${1##*/}"
  fi
}

# expect WHAT COMMAND...: the command succeeds.
expect() {
  local what=$1
  shift
  if "$@"; then pass; else fail "$what" "(command: $*)"; fi
}

# foreign_dlls EXE: the DLLs that EXE imports beyond Windows' own, one a line.
foreign_dlls() {
  local windows='^(kernel32|user32|gdi32|advapi32|shell32|ole32|ws2_32|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'
  { x86_64-w64-mingw32-objdump -p "$1" || true; } | sed -n 's/^\s*DLL Name: //p' |
    tr '[:upper:]' '[:lower:]' | grep -Ev "$windows" || true
}

# report NAME: the closing count; fails the script when anything failed. The
# counts are added to $GLYPHRIG_CHECK_TALLY when that names a file.
report() {
  echo "$1: $glyphrig_passed passed, $glyphrig_failed failed"
  if [ -n "${GLYPHRIG_CHECK_TALLY:-}" ]; then
    echo "$glyphrig_passed $glyphrig_failed" >>"$GLYPHRIG_CHECK_TALLY"
  fi
  [ "$glyphrig_failed" -eq 0 ]
}
