#!/usr/bin/env bash
# Installs the Debian packages Kirel needs to build, test and look at itself.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-svg-dev
  libgl-dev
  xvfb xauth
  fonts-dejavu-core fonts-liberation2
  desktop-file-utils appstream dpkg-dev file
  locales
  qt6-translations-l10n
  man-db lintian
  dbus at-spi2-core python3-pyatspi
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1; then
  SUDO=(sudo)
else
  echo "Missing packages (${missing[*]}), and neither root nor sudo available." >&2
  exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${SUDO[@]}" apt-get update -qq
  "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
