#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop gets:
# the program, its desktop entry, icon and metainfo, each valid and each
# naming the others consistently.
# Then builds the .deb and checks its file list and its computed dependencies.
# Usage: check_install.sh CMAKE BUILD_DIR DESKTOP_FILE_VALIDATE APPSTREAMCLI CPACK
set -euo pipefail

cmake=$1 build=$2 desktop_validate=$3 appstreamcli=$4 cpack=$5
id=org.example.Kirel
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for tool in "$desktop_validate" "$appstreamcli"; do
  if [ ! -x "$tool" ]; then
    echo "FAIL: validator missing ($tool); scripts/install-deps.sh installs it" >&2
    exit 1
  fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
for f in bin/kirel "share/applications/$id.desktop" \
         "share/icons/hicolor/scalable/apps/$id.svg" "share/metainfo/$id.metainfo.xml"; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
[ -x "$prefix/bin/kirel" ] || fail "bin/kirel is not executable"
[ "$failures" -eq 0 ] || exit 1

# Hints count too: one says the entry has no main category and lands in "Other".
if ! report=$("$desktop_validate" "$desktop" 2>&1) || [ -n "$report" ]; then
  fail "desktop-file-validate: ${report:-rejected $id.desktop}"
fi
"$appstreamcli" validate --no-net "$metainfo" || fail "appstreamcli rejects $id.metainfo.xml"

# The desktop entry must start the installed program and show the installed icon.
key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_cmd=$(key Exec)
[ -x "$prefix/bin/${exec_cmd%% *}" ] || fail "Exec=$exec_cmd is not an installed program"
icon=$(key Icon)
[ -e "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon has no installed icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "metainfo does not launch $id.desktop"

# The package: the same files under /usr, dependencies taken from the linked libraries.
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$prefix/package" >/dev/null
deb=$(ls "$prefix"/package/kirel_*.deb)
listing=$(dpkg-deb -c "$deb")
for f in usr/bin/kirel "usr/share/applications/$id.desktop" \
         "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/metainfo/$id.metainfo.xml"; do
  grep -q " \./$f\$" <<<"$listing" || fail "not in the package: /$f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6svg6; do
  grep -q "$lib" <<<"$depends" || fail "package does not depend on $lib: $depends"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "install layout and package OK"
