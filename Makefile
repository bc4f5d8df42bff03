# Two entry points: `make run` and `make test`. Everything else is a helper.
BUILD_TYPE ?= Release
RELEASE_DIR := build/release
TEST_DIR := build/asan
JOBS ?= $(shell nproc)

.PHONY: deps run build test clean

deps:
	@./scripts/install-deps.sh

$(RELEASE_DIR)/build.ninja: | deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	./$(RELEASE_DIR)/brelvik

$(TEST_DIR)/build.ninja: | deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTRAVA_SANITIZE=ON

test: deps $(TEST_DIR)/build.ninja
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf build
