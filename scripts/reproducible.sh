#!/usr/bin/env bash
# Checks that the Debian packages are reproducible: clones HEAD into two
# folders of different names and depths under OUT, runs `make package` in the
# first, then clones and builds the second (so every file time differs), and
# compares the binary packages (.deb, and .ddeb where debug symbols go there)
# byte for byte. Prints their sha256 sums.
# DEB_BUILD_OPTIONS=nocheck skips the tests in both builds.
# Usage: reproducible.sh [OUT]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/reproducible}")
rm -rf "$out"
first=$out/first/kirel second=$out/second/elsewhere/kirel-copy

git clone -q "$root" "$first"
make -C "$first" package
sleep 2
git clone -q "$root" "$second"
make -C "$second" package

shopt -s nullglob
status=0
for a in "$first"/build/deb/*.deb "$first"/build/deb/*.ddeb; do
  b=$second/build/deb/$(basename "$a")
  sha256sum "$a" "$b"
  if ! cmp -s "$a" "$b"; then
    echo "DIFFERENT: $(basename "$a")" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "reproducible: identical packages from $first and $second"
exit "$status"
