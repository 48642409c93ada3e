#!/usr/bin/env bash
# Makes a root that holds no C library at all, as a system built on another
# C library (musl, say) has none of glibc: only Debian's static busybox, as
# /bin/sh and rm, with /dev/null and the folders the checks use.
#   tests/linux/busybox_root.sh DIR [BUSYBOX]
# BUSYBOX is the static busybox to copy, by default the machine's own; the
# one of an arm64 Debian root makes an arm64 root.
# Needs root (mknod).
set -euo pipefail
root=$1
busybox=${2:-/bin/busybox}
mkdir -p "$root"/{bin,dev,proc,tmp}
cp "$busybox" "$root/bin/busybox"
ln -sf busybox "$root/bin/sh"
ln -sf busybox "$root/bin/rm"
[ -c "$root/dev/null" ] || mknod -m 666 "$root/dev/null" c 1 3
chmod 1777 "$root/tmp"
