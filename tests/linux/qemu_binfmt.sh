#!/usr/bin/env bash
# Lets the kernel run aarch64 programs through Debian's qemu-user-static, as
# systemd-binfmt would where it runs (here nothing does): mounts binfmt_misc
# where it is not mounted and registers qemu-aarch64 from qemu's own entry.
# Its F flag makes the kernel open the emulator now, so that it also serves
# programs inside a chroot that has none. Does nothing when the entry is
# there already. Needs root.
#   tests/linux/qemu_binfmt.sh
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
binfmt=/proc/sys/fs/binfmt_misc
conf=/usr/lib/binfmt.d/qemu-aarch64.conf

[ -f "$conf" ] || die "$conf is missing: install qemu-user-static"
if [ ! -e "$binfmt/register" ]; then
  mount -t binfmt_misc binfmt_misc "$binfmt" ||
    die "cannot mount binfmt_misc on $binfmt (needs root, and a kernel with binfmt_misc)"
fi
if [ ! -e "$binfmt/qemu-aarch64" ]; then
  # Another caller may register it at the same moment; then the write fails
  # with EEXIST and the entry is there all the same.
  grep -v '^#' "$conf" >"$binfmt/register" 2>/dev/null || [ -e "$binfmt/qemu-aarch64" ] ||
    die "the kernel refused the entry of $conf"
fi
grep -qx enabled "$binfmt/qemu-aarch64" || die "$binfmt/qemu-aarch64 is registered but disabled"
