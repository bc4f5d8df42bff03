# Two entry points: `make run` and `make test`. Everything else is a helper.
BUILD_TYPE ?= Release
RELEASE_DIR := build/release
TEST_DIR := build/asan
JOBS ?= $(shell nproc)

BENCH_DIR := build/bench
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60
# The test run also gives each fuzz target a short go, so a regression fails it.
FUZZ_SMOKE_SECONDS ?= 20

.PHONY: deps run build package test bench fuzz screenshots clean

deps:
	@./scripts/install-deps.sh

$(RELEASE_DIR)/build.ninja: | deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DKESTRAVA_TESTS=OFF

build: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	./$(RELEASE_DIR)/brelvik

# The Debian package of the release build: $(RELEASE_DIR)/brelvik_<version>_<arch>.deb.
package: build
	cmake --build $(RELEASE_DIR) --target package

$(TEST_DIR)/build.ninja: | deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTRAVA_SANITIZE=ON

test: deps $(TEST_DIR)/build.ninja
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) package
	./tests/package/check-package.sh $(RELEASE_DIR)
	$(MAKE) fuzz FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRAVA_TESTS=OFF -DKESTRAVA_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target kestrava_bench
	QT_QPA_PLATFORM=offscreen ./$(BENCH_DIR)/bench/kestrava_bench

# Each fuzz target runs FUZZ_SECONDS on a copy of its seed corpus.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DKESTRAVA_TESTS=OFF -DKESTRAVA_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_all
	./fuzz/run.sh $(FUZZ_DIR)/fuzz $(FUZZ_SECONDS)

screenshots: build
	cmake --build $(RELEASE_DIR) --target brelvik_screenshots
	QT_QPA_PLATFORM=offscreen ./$(RELEASE_DIR)/brelvik_screenshots data/kestrava.csv docs

clean:
	rm -rf build
