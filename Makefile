# Numorra: set-up, build, run and test in one place.
#   make run   install what building and running the program need, build the two
#              programs (numorra, numorra-report), start Numorra
#   make test  install everything the tests need too, build everything, run every test
#              through CTest, then again under AddressSanitizer and
#              UndefinedBehaviorSanitizer (build-asan), then a few seconds of each fuzz
#              target (build-fuzz)
#   make fuzz  build the fuzz targets and run each for FUZZ_SECONDS (default 180)
#   make lint  clang-format check and clang-tidy over the sources
#   make bench start-up time and memory against a bare Qt window, then Google Benchmark timings
#   make package        build the Debian package build/numorra_*.deb
#   make package-check  check that package with lintian, install it here, start it, remove
#                       it (changes the system)
#   make test-debian13  `make run`, `make test` and `make package-check` on a fresh Debian 13
#                       made with debootstrap (a clean clone of the current commit), as CI
#                       does; needs root

PRESET    ?= default
BUILD_DIR ?= build

# Debian packages that building and running the two programs need, by names
# Debian 12 and 13 share ("a|b": the first name the release has, see
# scripts/install-deps.sh).
RUN_PACKAGES := cmake ninja-build g++ pkg-config dpkg-dev \
                qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins \
                qt6-l10n-tools qt6-tools-dev qt6-translations-l10n \
                qt6-wayland libgl-dev libcups2-dev libxcb1-dev fonts-dejavu-core
# Without a display, `make run` starts Numorra on a virtual one for a screenshot.
HEADLESS_PACKAGES := xvfb xauth x11-utils xdotool imagemagick
# What the tests, benchmarks, sanitizer and fuzz builds, lint and packaging add.
TEST_PACKAGES := $(HEADLESS_PACKAGES) weston 'libweston-14-dev|libweston-10-dev' x11-xserver-utils \
                 dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0 \
                 fonts-noto-cjk cups printer-driver-cups-pdf poppler-utils qpdf xclip \
                 clang-format clang-tidy libbenchmark-dev time hyperfine libx11-dev libxtst-dev libxdamage-dev \
                 desktop-file-utils appstream file \
                 lintian devscripts shared-mime-info libxml2-utils xdg-utils libfile-mimeinfo-perl \
                 clang libclang-rt-dev llvm
PACKAGES := $(RUN_PACKAGES) $(TEST_PACKAGES)

# The programs alone: the tests are configured only once their packages are there.
PROGRAMS := numorra numorra-report

.PHONY: all deps run-deps configure build programs package package-check run test test-debian13 \
        fuzz lint format bench clean

all: build

deps:
	@scripts/install-deps.sh $(PACKAGES)

run-deps:
	@scripts/install-deps.sh $(RUN_PACKAGES) \
	    $(if $(DISPLAY)$(WAYLAND_DISPLAY),,$(HEADLESS_PACKAGES))

configure: deps
	@cmake --preset $(PRESET) -DBUILD_TESTING=ON >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

# A build folder made by `make test` keeps its tests; a new one is made without them.
programs: run-deps
	@if [ -f $(BUILD_DIR)/CMakeCache.txt ]; then cmake --preset $(PRESET) >/dev/null; \
	 else cmake --preset $(PRESET) -DBUILD_TESTING=OFF >/dev/null; fi
	@cmake --build --preset $(PRESET) --target $(PROGRAMS)

package: build
	@cmake --build --preset $(PRESET) --target package

package-check: build
	@scripts/check-package.sh $(BUILD_DIR)

run: programs
	@scripts/run.sh $(BUILD_DIR)/numorra

test: build
	@ctest --preset $(PRESET)
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@ctest --preset fuzz

test-debian13:
	@scripts/install-deps.sh debootstrap
	@scripts/fresh-debian.sh trixie run test package-check

FUZZ_SECONDS ?= 180

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

lint: build
	@scripts/lint.sh $(BUILD_DIR)

format: deps
	@scripts/format-check.sh --fix

bench: build
	@bench/run_bench.sh $(BUILD_DIR)

clean:
	@rm -rf $(BUILD_DIR)
