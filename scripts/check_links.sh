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
mapfile -t pages < <(grep -E '^(README\.md|CONTRIBUTING\.md|docs/.*\.md)$' <<<"$tracked")

# One awk for it all: a process per link is slow on a busy machine.
awk '
  # path_of(DIR, TARGET): the path from the top of the clone that TARGET, a
  # link in a page in DIR, names; "../" when it leads out of the clone.
  function path_of(dir, target,   path, parts, kept, n, i, m) {
    sub(/#.*/, "", target)
    path = target ~ /^\// ? target : dir "/" target
    n = split(path, parts, "/")
    m = 0
    for (i = 1; i <= n; i++) {
      if (parts[i] == "" || parts[i] == ".") continue
      if (parts[i] != "..") kept[++m] = parts[i]
      else if (m-- == 0) return "../"
    }
    path = "."
    for (i = 1; i <= m; i++) path = i == 1 ? kept[i] : path "/" kept[i]
    return path
  }
  BEGIN { known["."] = 1 }
  # First the files that git holds, and every folder above them.
  FNR == NR {
    known[$0] = 1
    while (sub(/\/[^\/]*$/, "")) known[$0] = 1
    next
  }
  FNR == 1 {
    fenced = 0
    dir = FILENAME
    if (!sub(/\/[^\/]*$/, "", dir)) dir = "."
  }
  # Fenced code is skipped: a shell line may hold the same brackets.
  /^ *```/ { fenced = !fenced; next }
  fenced { next }
  {
    rest = $0
    # [text](target), ![alt](target), or [text](target "title")
    while (match(rest, /\]\([^)]*\)/)) {
      target = substr(rest, RSTART + 2, RLENGTH - 3)
      rest = substr(rest, RSTART + RLENGTH)
      sub(/ .*/, "", target)
      if (target ~ /^(#|mailto:)|:\/\//) continue
      if (!(path_of(dir, target) in known)) {
        print FILENAME ":" FNR ": " target ": no such file in the repository" > "/dev/stderr"
        broken = 1
      }
    }
  }
  END { exit broken }
' - "${pages[@]}" <<<"$tracked"
