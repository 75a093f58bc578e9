# The two commands of the README; everything else is CMake.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test deps configure build clean

run: build
	$(BUILD)/orvex

test: build sanitize
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The unit and window tests again, built with AddressSanitizer and UBSan.
SANITIZE_BUILD ?= $(BUILD)-sanitize
SANITIZE_TESTS = tst_settings tst_window tst_board tst_print tst_hidpi
.PHONY: sanitize
sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVEX_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target $(SANITIZE_TESTS)
	cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) -R '^tst_'

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
