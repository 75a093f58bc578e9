# The two commands of the README; everything else is CMake.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test deps configure build clean

run: build
	$(BUILD)/orvex

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

deps:
	tools/deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

clean:
	rm -rf $(BUILD)

# Start-up time and memory against a bare Qt window (not part of the tests).
.PHONY: bench
bench: build
	bench/run.sh $(BUILD)
