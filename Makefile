# Two entry points: `make run` and `make test`. Everything else is a helper.
# Each build is a preset of CMakePresets.json, built in build/<preset>.
RELEASE_DIR := build/release
TEST_DIR := build/asan
JOBS ?= $(shell nproc)

BENCH_DIR := build/bench
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60
# The test run also gives each fuzz target a short go, so a regression fails it.
FUZZ_SMOKE_SECONDS ?= 20

WINDOWS_DIR := build/windows

.PHONY: deps run build package test bench fuzz screenshots clean
.PHONY: windows-deps windows test-windows

deps:
	@./scripts/install-deps.sh

# Configured once, and again when the presets change; the build itself re-runs CMake when a
# CMakeLists.txt changes. CMake may leave build.ninja as it was, hence the touch.
build/%/build.ninja: CMakePresets.json | deps
	cmake --preset $*
	touch $@

build: deps $(RELEASE_DIR)/build.ninja
	cmake --build --preset release -j $(JOBS)

run: build
	./$(RELEASE_DIR)/brelvik

# The Debian package of the release build: $(RELEASE_DIR)/brelvik_<version>_<arch>.deb.
package: build
	cmake --build --preset release -j $(JOBS) --target package

test: deps $(TEST_DIR)/build.ninja
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)
	$(MAKE) package
	./tests/package/check-package.sh $(RELEASE_DIR)
	$(MAKE) fuzz FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS)

bench: deps $(BENCH_DIR)/build.ninja
	cmake --build --preset bench -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ./$(BENCH_DIR)/bench/kestrava_bench

# Each fuzz target runs FUZZ_SECONDS on a copy of its seed corpus.
fuzz: deps $(FUZZ_DIR)/build.ninja
	cmake --build --preset fuzz -j $(JOBS)
	./fuzz/run.sh $(FUZZ_DIR)/fuzz $(FUZZ_SECONDS)

screenshots: build
	cmake --build --preset release -j $(JOBS) --target brelvik_screenshots
	QT_QPA_PLATFORM=offscreen ./$(RELEASE_DIR)/brelvik_screenshots data/kestrava.csv docs

# Windows: Qt for MinGW is built once into a cache folder outside the tree (about 45 minutes on
# two cores); the program is cross-built against it, and its tests run under Wine.
windows-deps:
	@./scripts/windows-deps.sh

$(WINDOWS_DIR)/build.ninja: CMakePresets.json | windows-deps
	cmake --preset windows -DKESTRAVA_WINDOWS_QT="$$(./scripts/windows-deps.sh --prefix)"
	touch $@

# build/windows/brelvik/ holds the program as it runs on Windows, zipped beside it as
# brelvik-<version>-windows-x64.zip.
windows: windows-deps $(WINDOWS_DIR)/build.ninja
	cmake --build --preset windows -j $(JOBS) --target windows_zip

test-windows: windows build
	cmake --build --preset windows -j $(JOBS)
	./scripts/wine-prefix.sh $(WINDOWS_DIR)/wine
	ctest --preset windows -j $(JOBS)
	./scripts/windows-smoke.sh $(WINDOWS_DIR)/brelvik

clean:
	rm -rf build
