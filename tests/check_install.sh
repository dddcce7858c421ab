#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop gets:
# the program, its desktop entry, icon and metainfo, each valid and each
# naming the others consistently; its manual pages, English and French, and
# its command line, which answer without a display; one version everywhere.
# With PACKAGE=1, then builds the Debian packages (scripts/build-deb.sh,
# without their own tests) and checks the .deb's file list and dependencies,
# lintian's verdict on the .changes (source and binary) and hardening-check's
# on the packaged program, then debian/tests on the installed package when
# autopkgtest is there.
# Usage: check_install.sh CMAKE BUILD_DIR DESKTOP_FILE_VALIDATE APPSTREAMCLI MANDOC PACKAGE
set -euo pipefail

cmake=$1 build=$2 desktop_validate=$3 appstreamcli=$4 mandoc=$5 package=$6
root=$(cd "$(dirname "$0")/.." && pwd)
id=org.example.Kirel
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for tool in "$desktop_validate" "$appstreamcli" "$mandoc"; do
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
manpages=(share/man/man1/kirel.1.gz share/man/fr/man1/kirel.1.gz)
installed=(bin/kirel "share/applications/$id.desktop" "share/icons/hicolor/scalable/apps/$id.svg"
           "share/metainfo/$id.metainfo.xml" "${manpages[@]}"
           share/doc/kirel/changelog.gz share/doc/kirel/copyright)
icon_sizes=(16 24 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
  installed+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
for f in "${installed[@]}"; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
[ -x "$prefix/bin/kirel" ] || fail "bin/kirel is not executable"
[ "$failures" -eq 0 ] || exit 1

# Hints count too: one says the entry has no main category and lands in "Other".
if ! report=$("$desktop_validate" "$desktop" 2>&1) || [ -n "$report" ]; then
  fail "desktop-file-validate: ${report:-rejected $id.desktop}"
fi
# Pedantic and info notes are allowed (README, Install); warnings and errors are not.
if ! report=$("$appstreamcli" validate --pedantic --no-net "$metainfo" 2>&1) \
   || grep -qE '^[EW]: ' <<<"$report"; then
  fail "appstreamcli: $report"
fi

# The desktop entry must start the installed program, show the installed icon
# and name the window class Qt gives the program's windows (its file name).
key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_cmd=$(key Exec)
[ -x "$prefix/bin/${exec_cmd%% *}" ] || fail "Exec=$exec_cmd is not an installed program"
icon=$(key Icon)
[ -e "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon has no installed icon"
for size in "${icon_sizes[@]}"; do
  png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
  file -b "$png" | grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" \
    || fail "$png: $(file -b "$png")"
done
[ "$(key StartupWMClass)" = "${exec_cmd%% *}" ] || fail "StartupWMClass=$(key StartupWMClass)"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "metainfo does not launch $id.desktop"

# The command line answers in the terminal, with no display to open a window on.
version=$(sed -n 's/^project(kirel VERSION \([^ ]*\).*/\1/p' "$root/CMakeLists.txt")
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

# Both manual pages render and lint clean, and name this version; so do the
# changelog and the metainfo's newest release.
for page in "${manpages[@]}"; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
             man --warnings -E UTF-8 -l "$prefix/$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
  warnings=$("$mandoc" -T lint -W all "$prefix/$page" 2>&1) || [ -n "$warnings" ] \
    || warnings="mandoc fails"
  [ -z "$warnings" ] || fail "mandoc $page: $warnings"
  zcat "$prefix/$page" | head -n 1 | grep -q "\"Kirel $version\"" || fail "$page is not for $version"
done
changelog=$(zcat "$prefix/share/doc/kirel/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$changelog" = "$version" ] || fail "changelog is for version '$changelog', not $version"
release=$(grep -m 1 -o '<release version="[^"]*"' "$metainfo" | cut -d '"' -f 2)
[ "$release" = "$version" ] || fail "metainfo's newest release is '$release', not $version"

if [ "$package" = 1 ]; then
  # The packages as make package builds them, from this source tree.
  if ! log=$(DEB_BUILD_OPTIONS=nocheck "$root/scripts/build-deb.sh" "$prefix/deb" 2>&1); then
    echo "$log" | tail -n 40 >&2
    fail "scripts/build-deb.sh failed"
    exit 1
  fi
  deb=$(ls "$prefix"/deb/kirel_*.deb)
  listing=$(dpkg-deb -c "$deb")
  for f in "${installed[@]}"; do
    grep -q " \./usr/$f\$" <<<"$listing" || fail "not in the package: /usr/$f"
  done
  depends=$(dpkg-deb -f "$deb" Depends)
  for lib in libqt6widgets6 libqt6svg6 qt6-translations-l10n; do
    grep -q "$lib" <<<"$depends" || fail "package does not depend on $lib: $depends"
  done

  # Errors and warnings only; the info and pedantic tags left are in the README.
  complaints=$(lintian --pedantic "$prefix"/deb/kirel_*.changes 2>&1 | grep -E '^[EW]: ' || true)
  [ -z "$complaints" ] || fail "lintian: $complaints"

  # Debian's hardening, each "yes": PIE, stack protector, fortify (with
  # _FORTIFY_SOURCE=3 some copies are checked), full RELRO. Beyond bookworm's
  # defaults, debian/rules adds stack clash protection and, on amd64, control
  # flow protection: every compiler line must have had them. hardening-check
  # sees the first only in a function whose frame needs a probing loop (kirel
  # has none), and says "yes" to the second only when every linked object is
  # marked, the C library's start files included (not so in bookworm).
  dpkg-deb -x "$deb" "$prefix/unpacked"
  report=$(LC_ALL=C hardening-check "$prefix/unpacked/usr/bin/kirel" 2>&1 || true)
  lines=('Position Independent Executable' 'Stack protected' 'Fortify Source functions'
         'Read-only relocations' 'Immediate binding')
  flags=(-fstack-protector-strong -Werror=format-security -fstack-clash-protection)
  if [ "$(dpkg-architecture -qDEB_HOST_ARCH)" = amd64 ]; then
    flags+=(-fcf-protection)
    readelf -n "$(g++ -print-file-name=crti.o)" | grep -q 'x86 feature: IBT, SHSTK' \
      && lines+=('Control flow integrity')
  fi
  for line in "${lines[@]}"; do
    grep -q "^ $line: yes\( (.*)\)\?\$" <<<"$report" \
      || fail "hardening-check: $(grep "^ $line:" <<<"$report")"
  done
  compiles=$(grep -E '^[^ ]*(c|g|clang)\+\+ .* -o [^ ]+\.o -c ' <<<"$log" || true)
  [ -n "$compiles" ] || fail "no compiler line in the package build's log"
  for flag in "${flags[@]}"; do
    if grep -v -q -e " $flag " <<<"$compiles"; then fail "compiled without $flag"; fi
  done
  levels=$(sed -E 's/.* -D_FORTIFY_SOURCE=([0-9]+) .*/\1/' <<<"$compiles" | sort -u)
  [ "$levels" = 3 ] || fail "not every file compiled with _FORTIFY_SOURCE=3 last"

  # The as-installed test of debian/tests, run by autopkgtest on this machine
  # (its null runner), which installs the package: so only as root, only when
  # no kirel is installed already, and the package is purged again after.
  # Its other dependencies are all in scripts/install-deps.sh.
  if ! command -v autopkgtest >/dev/null; then
    echo "autopkgtest not run: not installed"
  elif [ "$(id -u)" -ne 0 ]; then
    echo "autopkgtest not run: it installs the package, which needs root"
  elif dpkg-query -W -f '${Status}' kirel 2>/dev/null | grep -q ' installed$'; then
    echo "autopkgtest not run: a kirel package is installed on this machine"
  else
    trap 'dpkg --purge kirel >/dev/null 2>&1; rm -rf "$prefix"' EXIT
    trap 'exit 1' INT TERM
    if ! log=$(autopkgtest "$prefix"/deb/kirel_*.changes -- null 2>&1); then
      echo "$log" | tail -n 40 >&2
      fail "autopkgtest"
    fi
    dpkg --purge kirel >/dev/null
    if dpkg-query -W -f '${Status}' kirel 2>/dev/null | grep -q ' installed$'; then
      fail "kirel is still installed after autopkgtest"
    fi
  fi
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "install layout OK$([ "$package" = 1 ] && echo ", Debian packages OK")"
