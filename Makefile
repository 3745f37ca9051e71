# make run   - set up, build and start the editor on the simulated platform
# make test  - set up, build and run every test: normal, sanitizers, fuzz corpora, format
SHELL := /bin/bash
BUILD ?= build
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
TEST_JOBS ?= 4
CMAKE_FLAGS ?=

RELEASE := $(BUILD)/release
ASAN := $(BUILD)/asan
TSAN := $(BUILD)/tsan
FUZZ := $(BUILD)/fuzz
STATE := $(abspath $(BUILD))/run-state

.PHONY: all deps build run test test-release test-asan test-tsan test-fuzz format-check \
        format install bench fuzz clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS)
	cmake --build $(RELEASE) -j $(JOBS)

# The editor with a virtual USB keyboard; the keyboard's files stay in $(STATE).
run: build
	mkdir -p $(STATE)
	VELMAR_PLATFORM=sim VELMAR_SIM_DEVICES=usb-dorvel VELMAR_SIM_DIR=$(STATE) \
	  $(RELEASE)/velmar/lavrix

# The normal suite runs last, so that its summary closes the output.
test: deps format-check test-fuzz test-tsan test-asan test-release

test-release: build
	ctest --test-dir $(RELEASE) -j $(TEST_JOBS) --output-on-failure

test-asan: deps
	cmake -S . -B $(ASAN) -G Ninja -DVELMAR_SANITIZE=address -DVELMAR_BUILD_BENCH=OFF
	cmake --build $(ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN) -j $(TEST_JOBS) --output-on-failure

# ThreadSanitizer on the concurrency tests of the libraries.
test-tsan: deps
	cmake -S . -B $(TSAN) -G Ninja -DVELMAR_SANITIZE=thread -DVELMAR_BUILD_EDITOR=OFF \
	  -DVELMAR_BUILD_BENCH=OFF
	cmake --build $(TSAN) -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1 ctest --test-dir $(TSAN) -L concurrency -j $(TEST_JOBS) \
	  --output-on-failure

# Each fuzz target over its corpus.
test-fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -G Ninja -DVELMAR_FUZZ=ON
	cmake --build $(FUZZ) -j $(JOBS)
	@for target in $(FUZZ)/fuzz/*_fuzz; do \
	  name=$$(basename $$target); \
	  $$target -runs=0 fuzz/corpus/$$name 2>&1 | tail -n 1; \
	  test $${PIPESTATUS[0]} -eq 0 || exit 1; \
	done

# Longer fuzzing by hand: make fuzz FUZZ_SECONDS=300
FUZZ_SECONDS ?= 60
fuzz: test-fuzz
	@for target in $(FUZZ)/fuzz/*_fuzz; do \
	  name=$$(basename $$target); mkdir -p $(FUZZ)/found/$$name; \
	  $$target -max_total_time=$(FUZZ_SECONDS) $(FUZZ)/found/$$name fuzz/corpus/$$name || exit 1; \
	done

SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)
format-check: deps
	clang-format --dry-run -Werror $(SOURCES)

format:
	clang-format -i $(SOURCES)

install: build
	cmake --install $(RELEASE) --prefix $(PREFIX)

bench: build
	@for program in $(RELEASE)/bench/*_bench; do echo "== $$program"; $$program || exit 1; done

clean:
	rm -rf $(BUILD)
