# Numorra: set-up, build, run and test in one place.
#   make run   install what is missing, build, start the program
#   make test  install what is missing, build, run every test through CTest, then again
#              under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan), then
#              a few seconds of each fuzz target (build-fuzz)
#   make fuzz  build the fuzz targets and run each for FUZZ_SECONDS (default 180)
#   make lint  clang-format check and clang-tidy over the sources
#   make bench start-up time and memory against a bare Qt window, then Google Benchmark timings
#   make package        build the Debian package build/numorra_*.deb
#   make package-check  check that package with lintian, install it here, start it, remove
#                       it (changes the system)

PRESET    ?= default
BUILD_DIR ?= build

# Debian 12 packages the build, the program and the tests need.
PACKAGES := cmake ninja-build g++ pkg-config \
            qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libqt6svg6 libgl-dev \
            qt6-wayland weston libweston-10-dev \
            fonts-dejavu-core xvfb xauth xdotool x11-utils imagemagick \
            libcups2-dev cups printer-driver-cups-pdf poppler-utils qpdf xclip \
            clang-format clang-tidy libbenchmark-dev time hyperfine libx11-dev libxtst-dev libxdamage-dev \
            librsvg2-bin desktop-file-utils appstream dpkg-dev file \
            lintian devscripts shared-mime-info libxml2-utils xdg-utils libfile-mimeinfo-perl \
            clang libclang-rt-14-dev llvm

.PHONY: all deps configure build package package-check run test fuzz lint format bench clean

all: build

deps:
	@scripts/install-deps.sh $(PACKAGES)

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

package: build
	@cmake --build --preset $(PRESET) --target package

package-check: build
	@scripts/check-package.sh $(BUILD_DIR)

run: build
	@scripts/run.sh $(BUILD_DIR)/numorra

test: build
	@ctest --preset $(PRESET)
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@ctest --preset fuzz

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
