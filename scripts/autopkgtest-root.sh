#!/usr/bin/env bash
# Runs the as-installed test of debian/tests with autopkgtest on the packages
# that `make package` left in build/deb, inside a fresh Debian 12 root: a
# tarball made by mmdebstrap (kept in OUT and reused), unpacked anew for each
# run and entered with autopkgtest's chroot runner, with /proc, /sys and /dev
# mounted in a mount namespace of its own, so that they go with it. Nothing
# but mmdebstrap is installed on this machine; the root fetches the test's
# dependencies from Debian's archive (after apt update and upgrade). Needs
# root (asks sudo for it). Prints how long the test run took.
# Usage: autopkgtest-root.sh [OUT]
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$0" "$@"
fi
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/autopkgtest}")
"$root/scripts/install-deps.sh" mmdebstrap

shopt -s nullglob
changes=("$root"/build/deb/kirel_*.changes)
if [ ${#changes[@]} -ne 1 ]; then
  echo "build/deb holds no single .changes: run make package first" >&2
  exit 1
fi

mkdir -p "$out"
tarball=$out/bookworm.tar
if [ ! -s "$tarball" ]; then
  mmdebstrap --variant=apt bookworm "$out/partial.tar" \
    "deb http://deb.debian.org/debian bookworm main" \
    "deb http://deb.debian.org/debian bookworm-updates main" \
    "deb http://deb.debian.org/debian-security bookworm-security main"
  mv "$out/partial.tar" "$tarball"
fi
chroot=$(mktemp -d "$out/root.XXXXXX")
trap 'rm -rf "$chroot"' EXIT
tar -C "$chroot" -xf "$tarball"
cp /etc/resolv.conf "$chroot/etc/resolv.conf"

start=$(date +%s)
unshare --mount --propagation private -- sh -c '
  mount -t proc proc "$1/proc"
  mount --rbind /sys "$1/sys"
  mount --rbind /dev "$1/dev"
  exec autopkgtest --apt-upgrade "$2" -- chroot "$1"' sh "$chroot" "${changes[0]}"
echo "autopkgtest in a fresh bookworm root: $(( $(date +%s) - start )) s"
