#!/usr/bin/env bash
# Ctrl+C typed into glyphrig.exe under Wine, in a real terminal (tmux), while
# a tool draws: the recording stand-in tool of one step leaves half its
# picture and waits to be ended (tests/stand_in_tool.cpp). The run must stop
# the tool, remove what it drew (result.png and the plate pieces), say that
# it was stopped as its last line and end with a status that is not 0; no
# tool may be left running in the folder, and the next run there must go on
# at once. Ctrl+C after "done" must leave the picture, and status 0.
#   check_interrupted_runs.sh glyphrig.exe STAND_INS_DIR ALPHABET_DIR CLEAN_UP_DIR
# Wine comes set up by the caller (WINEPREFIX, WINEDEBUG).
set -euo pipefail
# shellcheck source=tests/check_lib.sh
source "$(dirname "$0")/../check_lib.sh"
exe=$(realpath "$1")
stand_ins=$(realpath "$2")
alphabet=$(realpath "$3")
clean_up=$(realpath "$4")

make_scratch
alphabet=$(linkable "$alphabet")
tmux_socket=$scratch/tmux
at_exit="tmux -S '$tmux_socket' kill-server 2>/dev/null || true"

stopped='Stopped before the picture was finished: no result.png is left.'
pieces=(alphabet/left.png alphabet/mid.png alphabet/right.png alphabet/background.png)

screen_of() { tmux -S "$tmux_socket" capture-pane -p -t "$1" -S - 2>/dev/null || true; }

# wait_until WHAT COMMAND...: true once the command succeeds, within 120 s: far
# longer than Wine takes to start a program on a busy machine.
wait_until() {
  local what=$1 _
  shift
  for _ in $(seq 1200); do
    "$@" && return 0
    sleep 0.1
  done
  fail "$what: timed out"
  return 1
}
on_screen() { screen_of "$1" | grep -qF "$2"; }

# Processes whose working directory is the folder: a tool left running.
running_in() {
  local dir cwd
  dir=$(realpath "$1")
  for cwd in /proc/[0-9]*/cwd; do
    [ "$(readlink "$cwd" 2>/dev/null)" != "$dir" ] || return 0
  done
  return 1
}

# interrupted NAME ANSWERS WAITS_AT: a run typed at the console, interrupted
# by Ctrl+C while the stand-in tool of call WAITS_AT draws (0: after "done").
interrupted() {
  local name=$1 answers=$2 waits_at=$3 dir=$scratch/case-${#checked[@]} line
  checked+=("$name")
  mkdir -p "$dir/imagemagick" "$dir/alphabet"
  cp -al "$alphabet"/{large,car} "$dir/alphabet/"
  cp "$clean_up/remove_temp.bat" "$clean_up/run.lock" "$dir/alphabet/"
  cp "$stand_ins/convert.exe" "$stand_ins/composite.exe" "$dir/imagemagick/"
  cp "$exe" "$dir/"
  echo "$waits_at" >"$dir/stand_in_waits_at"
  tmux -S "$tmux_socket" new-session -d -s "$name" -x 120 -y 60 \
    "(cd '$dir' && wine glyphrig.exe); echo \"status \$?\"; sleep 600" \; \
    set-option -t "$name" remain-on-exit on
  wait_until "$name: the font menu" on_screen "$name" 'Enter font type number:' || return 0
  while IFS= read -r line; do
    tmux -S "$tmux_socket" send-keys -t "$name" -l "$line"
    tmux -S "$tmux_socket" send-keys -t "$name" Enter
  done <<<"$answers"
  if [ "$waits_at" = 0 ]; then
    wait_until "$name: done" on_screen "$name" 'done' || return 0
  else
    wait_until "$name: the tool drawing" test -e "$dir/stand_in_waiting" || return 0
  fi
  tmux -S "$tmux_socket" send-keys -t "$name" C-c
  wait_until "$name: the end of the run" on_screen "$name" 'status ' || return 0

  local screen status last
  screen=$(screen_of "$name" | sed '/^$/d')
  status=$(grep -o 'status [0-9]*' <<<"$screen" | tail -n 1)
  last=$(grep -v '^status ' <<<"$screen" | tail -n 1)
  if [ "$waits_at" = 0 ]; then
    expect_eq "$name: the status" "$status" "status 0"
    expect "$name: the picture is left" test -e "$dir/result.png"
    return 0
  fi
  expect "$name: a status other than 0 ($status)" test "$status" != "status 0"
  expect_eq "$name: the last line" "$last" "$stopped"
  local picture
  for picture in result.png "${pieces[@]}"; do
    expect "$name: no $picture" test ! -e "$dir/$picture"
  done
  expect "$name: no tool still running" eval "! running_in '$dir'"

  # The next run in the folder goes on at once, and draws.
  rm "$dir/stand_in_waits_at"
  status=0
  (cd "$dir" && timeout 60 wine glyphrig.exe <<<"$answers" >"$dir/next.out" 2>&1) || status=$?
  expect_eq "$name: the next run's status" "$status" 0
  expect "$name: the next run draws" test -e "$dir/result.png"
}

checked=()
interrupted "large font, Ctrl+C at the strip" $'1\n10\nGo now' 1
interrupted "fitted plate, Ctrl+C at the joining of its pieces" $'4\nAB 12\ny' 4
interrupted "fixed plate, Ctrl+C after done" $'4\nAB 12\nn' 0

report "interrupted runs under Wine"
