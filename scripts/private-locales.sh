#!/usr/bin/env bash
# Builds glibc locales into a folder of their own, to be used through LOCPATH:
# the suite runs under a locale the machine lacks without installing it for
# everyone. The sources come with the `locales` package (scripts/install-deps.sh).
# Usage: scripts/private-locales.sh DIR fr_FR.UTF-8 [de_DE.UTF-8 ...]
set -euo pipefail
dir=$1
shift
mkdir -p "$dir"
for name in "$@"; do
  [ -e "$dir/$name/LC_NUMERIC" ] && continue
  # localedef exits 1 on mere warnings; the locale is there all the same.
  localedef -i "${name%%.*}" -f "${name#*.}" "$dir/$name" 2>/dev/null || true
  [ -e "$dir/$name/LC_NUMERIC" ] || { echo "cannot build the locale $name" >&2; exit 1; }
done
