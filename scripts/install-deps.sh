#!/usr/bin/env bash
# Installs the Debian packages Kirel needs to build, test and look at itself,
# and any more named as arguments. With --build-deps first, also the
# Build-Depends of debian/control (under the nocheck profile when
# DEB_BUILD_OPTIONS has nocheck), for dpkg-buildpackage.
# Does nothing when everything is already there.
set -euo pipefail

build_deps=false
if [ "${1:-}" = --build-deps ]; then
  build_deps=true
  shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
profiles=()
[[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]] && profiles=(-Pnocheck)
missing_build_deps() {
  $build_deps && ! (cd "$root" && dpkg-checkbuilddeps "${profiles[@]}" >/dev/null 2>&1)
}

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-svg-dev
  libgl-dev
  xvfb xauth x11-utils
  fonts-dejavu-core fonts-liberation2
  desktop-file-utils appstream dpkg-dev file
  locales
  qt6-translations-l10n
  man-db mandoc lintian
  debhelper devscripts autopkgtest
  dbus at-spi2-core python3-pyatspi
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && ! missing_build_deps && exit 0

if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1; then
  SUDO=(sudo)
else
  echo "Missing packages (${missing[*]}) or build dependencies, and neither root nor sudo available." >&2
  exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${SUDO[@]}" apt-get update -qq
  "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if missing_build_deps; then
  echo "Installing the build dependencies of debian/control"
  export DEBIAN_FRONTEND=noninteractive
  "${SUDO[@]}" apt-get update -qq
  "${SUDO[@]}" apt-get build-dep -y -qq --no-install-recommends "${profiles[@]}" "$root"
fi
