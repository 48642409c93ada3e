# shellcheck shell=bash
# Sourced by the Linux checks that run the program in a root of its own.

# glyphrig_in_root ROOT FOLDER SEARCH_PATH: ./glyphrig run with chroot in
# FOLDER, a folder inside ROOT, with an environment of its own, as a login
# there has, and PATH=SEARCH_PATH; its input and output are the caller's.
glyphrig_in_root() {
  env -i PATH="$3" HOME=/root LANG=C.UTF-8 /usr/sbin/chroot "$1" /bin/sh -c \
    "cd '/${2#"$1"/}' && ./glyphrig"
}
