#!/usr/bin/env bash
# Checks that every relative link in README.md, CONTRIBUTING.md and docs/
# names a file or folder of the repository, so that a page that was moved or
# renamed leaves no link pointing at nothing. Links to other sites, and the
# part after # (a place within a page), are not checked. Names each broken
# link as page:line; fails when there is one.
#   scripts/check_links.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# What git holds, not what is on the disk: a link into build/ would resolve
# here after a build, and nowhere else. ./test may run as root in a clone
# that another user owns, which git otherwise refuses to read.
tracked=$(git -c safe.directory="$PWD" ls-files)
declare -A known=([.]=1)
while IFS= read -r file; do
  while [ -z "${known[$file]:-}" ]; do
    known[$file]=1
    [[ $file == */* ]] || break
    file=${file%/*}
  done
done <<<"$tracked"

broken=0
while IFS= read -r page; do
  # "line target" for each [text](target) and ![alt](target) outside fenced
  # code, where a shell line may hold the same brackets.
  while read -r line target; do
    case $target in
      *://* | mailto:* | '#'*) continue ;;
    esac
    path=$(realpath -m --relative-to=. "$(dirname "$page")/${target%%#*}")
    if [ -z "${known[$path]:-}" ]; then
      echo "$page:$line: $target: no such file in the repository" >&2
      broken=1
    fi
  done < <(awk '/^ *```/ { fenced = !fenced; next }
    !fenced { rest = $0
      while (match(rest, /\]\([^)]*\)/)) {
        target = substr(rest, RSTART + 2, RLENGTH - 3)
        sub(/ .*/, "", target)  # a link title: [text](target "title")
        print FNR, target
        rest = substr(rest, RSTART + RLENGTH) } }' "$page")
done < <(grep -E '^(README\.md|CONTRIBUTING\.md|docs/.*\.md)$' <<<"$tracked")
exit "$broken"
