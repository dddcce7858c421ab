#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop gets:
# the program, its desktop entry, icon and metainfo, each valid and each
# naming the others consistently; its manual page and command line, which
# answer without a display.
# Then builds the .deb and checks its file list, its dependencies, its
# changelog, and lintian's verdict when lintian is installed.
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
installed=(bin/kirel "share/applications/$id.desktop" "share/icons/hicolor/scalable/apps/$id.svg"
           "share/metainfo/$id.metainfo.xml" share/man/man1/kirel.1.gz
           share/doc/kirel/changelog.gz share/doc/kirel/copyright)
for f in "${installed[@]}"; do
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

# The command line answers in the terminal, with no display to open a window on.
version=$(sed -n 's/^project(kirel VERSION \([^ ]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/kirel" "$@"; }
out=$(headless --version 2>&1) && [ "$out" = "kirel $version" ] || fail "--version: $out"
out=$(headless --help 2>&1) && grep -q -- '--version' <<<"$out" || fail "--help: $out"
headless -platform offscreen --version >/dev/null || fail "-platform is refused"
set +e
out=$(headless --inconnue 2>/dev/null); rc=$?
err=$(headless --inconnue 2>&1 >/dev/null)
set -e
[ "$rc" -eq 2 ] && [ -z "$out" ] && grep -q -- '--help' <<<"$err" \
  || fail "an unknown option gives $rc, stdout '$out', stderr '$err'"
set +e
err=$(headless --bogus x 2>&1 >/dev/null)
grep -q -- 'bogus' <<<"$err" || fail "an unknown option before an argument is not named: $err"
for option in --help --version; do
  headless "$option" >/dev/full 2>/dev/null && fail "$option > /dev/full exits 0"
done
# Without a usable display: one French line and 1, no abort.
for display in "" "DISPLAY=:97" "QT_QPA_PLATFORM=inconnue"; do
  err=$(ulimit -c 0; env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display \
        "$prefix/bin/kirel" 2>&1 >/dev/null); rc=$?
  [ "$rc" -eq 1 ] && [ "$(wc -l <<<"$err")" -eq 1 ] && grep -q 'affichage' <<<"$err" \
    || fail "no display (${display:-none}) gives $rc: $err"
done
set -e

# The manual page renders without a warning; the changelog names this version.
if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
             man --warnings -E UTF-8 -l "$prefix/share/man/man1/kirel.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man kirel: $warnings"
fi
changelog=$(zcat "$prefix/share/doc/kirel/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$changelog" = "$version" ] || fail "changelog is for version '$changelog', not $version"

# The package: the same files under /usr, dependencies taken from the linked libraries.
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$prefix/package" >/dev/null
deb=$(ls "$prefix"/package/kirel_*.deb)
listing=$(dpkg-deb -c "$deb")
for f in "${installed[@]}"; do
  grep -q " \./usr/$f\$" <<<"$listing" || fail "not in the package: /usr/$f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6svg6 qt6-translations-l10n; do
  grep -q "$lib" <<<"$depends" || fail "package does not depend on $lib: $depends"
done

# Errors and warnings only; the info tags left are listed in the README.
if command -v lintian >/dev/null; then
  complaints=$(lintian "$deb" 2>&1 | grep -E '^[EW]: ' || true)
  [ -z "$complaints" ] || fail "lintian: $complaints"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "install layout and package OK"
