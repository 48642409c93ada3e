#!/usr/bin/env bash
# Checks two habits of every change: shellcheck has not a word to say of
# any shell script, and every C++ file is formatted as .clang-format says.
# Names each file that falls short; fails when there is one.
#   scripts/check_habits.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# What git holds, as in check_links.sh.
tracked=$(git -c safe.directory="$PWD" ls-files)
# Every shell script, by its first line (a file that is only sourced names
# its shell for shellcheck there): some, like ./test, have no suffix.
mapfile -t scripts < <(grep -vE '\.(png|ico|md|txt|cpp|h|json|cmake|in)$' <<<"$tracked" |
  xargs awk 'FNR == 1 && /^(#!.*[/ ](ba)?sh|# shellcheck shell=(ba)?sh)$/ { print FILENAME } { nextfile }')
mapfile -t sources < <(grep -E '\.(cpp|h)$' <<<"$tracked")

broken=0
# .shellcheckrc lets each script follow the files it sources.
# Side by side, as each takes a core for a few seconds.
shellcheck "${scripts[@]}" &
shellcheck=$!
clang-format --dry-run --Werror "${sources[@]}" || broken=1
wait "$shellcheck" || broken=1
if [ "$broken" -ne 0 ]; then
  echo "habits FAILED: shellcheck or clang-format had something to say (above)" >&2
  exit 1
fi
echo "habits: ${#scripts[@]} scripts without a word from shellcheck, ${#sources[@]} C++ files formatted"
