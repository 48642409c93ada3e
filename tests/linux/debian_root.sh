#!/usr/bin/env bash
# Makes a minimal Debian root of the given release (debootstrap
# --variant=minbase, no ImageMagick unless asked for) from the mirror of the
# machine's own Debian sources, for running the unpacked Linux archive, or
# the Linux program, with chroot; prints its path. It is kept in
# $GLYPHRIG_CACHE (default: ${XDG_CACHE_HOME:-~/.cache}/glyphrig), outside the
# clone, and reused: the checks only add a folder under its /tmp and remove it
# again. Needs root.
#   tests/linux/debian_root.sh [SUITE [ARCH [PACKAGE...]]]
# The default is bookworm (Debian 12) for amd64. The PACKAGEs are installed
# too, as Debian installs them, and the root's name lists them: Debian 13's
# imagemagick is ImageMagick 7 as a user of that system has it.
# A root of another architecture (arm64) holds busybox-static too, for a root
# with no C library of that architecture to take it from; debootstrap's
# second stage runs its programs under qemu-user-static, registered by
# tests/linux/qemu_binfmt.sh.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
cache=$glyphrig_cache
suite=${1:-bookworm}
arch=${2:-amd64}
packages=("${@:3}")
name=$suite
[ "$arch" = amd64 ] || name+=-$arch
name+=-minbase
[ ${#packages[@]} -eq 0 ] || name+=$(printf '+%s' "${packages[@]}")
root=$cache/debian-root/$name
options=()
if [ "$arch" != amd64 ]; then
  options+=("--arch=$arch")
  packages+=(busybox-static)
fi
[ ${#packages[@]} -eq 0 ] || options+=("--include=$(IFS=, && echo "${packages[*]}")")

# A root once made is never changed, so it needs no lock. One that is being
# made is locked alone: roots of other releases and architectures are made
# beside it, each waiting on the mirror for one package at a time.
if [ -f "$root.done" ]; then
  echo "$root"
  exit 0
fi
mkdir -p "$cache/debian-root"
exec 9>"$root.lock"
flock 9
if [ ! -f "$root.done" ]; then
  [ "$(id -u)" -eq 0 ] || die "making $root needs root (debootstrap)"
  debian=/etc/apt/sources.list.d/debian.sources
  mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' "$debian" | head -n 1)
  say "making a minimal Debian $suite $arch root from $mirror (a few minutes)"
  started=$(now)
  rm -rf "$root"
  debootstrap --variant=minbase "${options[@]}" "$suite" "$root" "$mirror" >"$root.log" 2>&1 || {
    tail -n 20 "$root.log" >&2
    die "debootstrap failed; its log is $root.log"
  }
  # Nothing is installed or updated there later: the package lists go.
  rm -rf "$root"/var/cache/apt/archives/*.deb "$root"/var/lib/apt/lists/*_Packages
  touch "$root.done"
  say "made in $(seconds_since "$started") s"
fi
echo "$root"
