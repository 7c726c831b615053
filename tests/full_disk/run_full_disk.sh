#!/usr/bin/env bash
# Runs the full-disk case of test_safe_replace against a 64 KiB tmpfs of its
# own. Mounting needs root; without it the case is reported as skipped.
# The tmpfs is unmounted on every way out, interrupted runs included.
# Usage: run_full_disk.sh <wine-run.sh> <test_safe_replace.exe> <mount point>
set -u
run=$1 program=$2 mountpoint=$3
if [ "$(id -u)" -ne 0 ]; then
  echo "not root: cannot mount a tmpfs, full-disk case skipped"
  exit 77
fi
# A run killed outright (a CTest timeout sends SIGKILL, which no trap sees)
# leaves its tmpfs behind: take it down first.
if mountpoint -q "$mountpoint" 2>/dev/null; then
  umount "$mountpoint" 2>/dev/null || umount -l "$mountpoint"
fi
mkdir -p "$mountpoint"
if ! mount -t tmpfs -o size=64k,mode=0777 duelmark-full-disk "$mountpoint"; then
  echo "cannot mount a tmpfs here, full-disk case skipped"
  rmdir "$mountpoint" 2>/dev/null
  exit 77
fi
cleanup() {
  umount "$mountpoint" 2>/dev/null || umount -l "$mountpoint"
  rmdir "$mountpoint" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
# Wine shows the whole Unix tree as drive Z:.
export DUELMARK_FULL_DISK_FOLDER="Z:${mountpoint//\//\\}"
"$run" "$program" --gtest_filter="${DUELMARK_FULL_DISK_FILTER:-SafeReplaceTest.OnAFullDisk*}"
