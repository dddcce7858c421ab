#!/usr/bin/env bash
# Builds Kirel's Debian source and binary packages with dpkg-buildpackage, in a
# copy of the source tree under OUT (default build/deb), so that the tree
# itself gets no debhelper leftovers. The copy holds the files git knows of
# (tracked or new, not ignored) as they are on disk; it is removed afterwards.
# Leaves in OUT: kirel_<version>.dsc and .tar.xz, kirel_<version>_<arch>.deb,
# kirel-dbgsym_<version>_<arch>.deb, .buildinfo and .changes.
# The tests run inside the build unless DEB_BUILD_OPTIONS has nocheck.
# Usage: build-deb.sh [OUT]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/deb}")
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
src=$out/kirel-$version

rm -rf "$out"
mkdir -p "$src"
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$root" && git ls-files -z --cached --others --exclude-standard \
     | while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done \
     | tar --null -T - -cf -) | tar -xf - -C "$src"
else
  tar -C "$root" --exclude=./build --exclude='./obj-*' -cf - . | tar -xf - -C "$src"
fi

# nocheck goes with the nocheck profile, so that the test tools need not be there.
if [[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]]; then
  export DEB_BUILD_PROFILES="${DEB_BUILD_PROFILES:+$DEB_BUILD_PROFILES }nocheck"
fi
(cd "$src" && dpkg-buildpackage -us -uc)
rm -rf "$src"
ls "$out"
