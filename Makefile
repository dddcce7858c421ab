# The two commands of the README: `make run` and `make test`.
# Both install any missing Debian package first (scripts/install-deps.sh).

.PHONY: all deps build run test test-asan clean screenshots package check-format reproducible autopkgtest

all: build

deps:
	@./scripts/install-deps.sh

build/default/CMakeCache.txt: | deps
	cmake --preset default

build: deps build/default/CMakeCache.txt
	cmake --build --preset default

run: build
	./build/default/kirel

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset default

build/asan/CMakeCache.txt: | deps
	cmake --preset asan

test-asan: deps build/asan/CMakeCache.txt
	cmake --build --preset asan
	QT_QPA_PLATFORM=offscreen ctest --preset asan

# Also what dpkg-buildpackage leaves when run in the source tree itself.
# Every C++ file as .clang-format lays it out (CI checks it; clang-format installed if missing).
check-format:
	@./scripts/install-deps.sh clang-format
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	rm -rf build obj-*-linux-gnu* debian/.debhelper debian/kirel debian/tmp debian/files \
	  debian/debhelper-build-stamp debian/*.substvars debian/*.debhelper.log

# The Debian source and binary packages in build/deb/ (kirel_<version>_<arch>.deb),
# built by dpkg-buildpackage from a copy of the tree, tests included unless
# DEB_BUILD_OPTIONS=nocheck; the build dependencies are installed first.
package:
	./scripts/install-deps.sh --build-deps
	./scripts/build-deb.sh build/deb

# Two `make package` from two clones of HEAD in two folders, one after the
# other: the .deb files must be byte-identical.
reproducible: deps
	./scripts/reproducible.sh build/reproducible

# The as-installed test of debian/tests on the packages of `make package`, run by
# autopkgtest in a fresh Debian 12 root (mmdebstrap, installed if missing).
autopkgtest:
	./scripts/autopkgtest-root.sh build/autopkgtest

# Every tab rendered to docs/ at 200 % (for the README) and to build/shots at 100 %,
# in the default light style and, as *-dark.png beside them, on a dark desktop:
# Adwaita-dark through Qt's GTK platform theme, on a virtual display.
screenshots: build
	@./scripts/install-deps.sh qt6-gtk-platformtheme
	cmake --build --preset default --target kirel-screenshots
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 ./build/default/kirel-screenshots docs
	QT_QPA_PLATFORM=offscreen ./build/default/kirel-screenshots build/shots
	env -u QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark QT_SCALE_FACTOR=2 \
	  xvfb-run -a ./build/default/kirel-screenshots docs -dark
	env -u QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark \
	  xvfb-run -a ./build/default/kirel-screenshots build/shots -dark

# ---------------------------------------------------------------------------
# Benchmarks and fuzzing; neither is part of `make test` nor of CI.
.PHONY: bench fuzz

# Keystroke cost per field, then start-up time and peak memory against a bare
# Qt window (bench/README.md says what the bars are).
bench: deps build/default/CMakeCache.txt
	cmake --build --preset default --target kirel-bench
	QT_QPA_PLATFORM=offscreen ./build/default/bench/kirel-bench-keys
	python3 bench/startup.py ./build/default/bench/kirel-bench-bare ./build/default/bench/kirel-bench-startup

# The number rules under libFuzzer for 60 s (FUZZ_SECONDS=...), clang installed if missing.
FUZZ_SECONDS ?= 60
fuzz:
	./scripts/install-deps.sh clang libclang-rt-dev
	./scripts/fuzz.sh $(FUZZ_SECONDS)
