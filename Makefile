# The two commands a newcomer needs: `make run` and `make test`.
# Build trees live under build/ (debug for tests, release for running).

BUILD_DEBUG   := build/debug
BUILD_RELEASE := build/release
JOBS          ?= $(shell nproc)
CMAKE_COMMON  := -G Ninja -S .

PREFIX        ?= /usr/local

.PHONY: deps run test bench screenshots debug release install clean

deps:
	@./scripts/install-deps.sh

$(BUILD_DEBUG)/build.ninja: | deps
	cmake $(CMAKE_COMMON) -B $(BUILD_DEBUG) -DCMAKE_BUILD_TYPE=Debug \
	    -DCORVANE_WERROR=ON -DCORVANE_SANITIZE=ON

$(BUILD_RELEASE)/build.ninja: | deps
	cmake $(CMAKE_COMMON) -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=OFF

debug: deps $(BUILD_DEBUG)/build.ninja
	cmake --build $(BUILD_DEBUG) -j $(JOBS)

release: deps $(BUILD_RELEASE)/build.ninja
	cmake --build $(BUILD_RELEASE) -j $(JOBS)

test: debug
	./scripts/run-tests.sh $(BUILD_DEBUG)

run: release
	./scripts/run-player.sh $(BUILD_RELEASE)

bench: release
	./scripts/run-benchmarks.sh $(BUILD_RELEASE)

install: release
	cmake --install $(BUILD_RELEASE) --prefix $(PREFIX)

screenshots: release
	./scripts/take-screenshots.sh $(BUILD_RELEASE) build/screenshots

clean:
	rm -rf build
