MAKEFLAGS += --no-print-directory

JOBS  ?= 2

# make test SANITIZE=1 builds and tests under ASan and UBSan in a build dir of its own.
ifeq ($(SANITIZE),1)
BUILD      := build-sanitize
BUILD_TYPE := RelWithDebInfo
CMAKE_ARGS := -DTP_SANITIZE=ON
TEST_ENV   := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1 \
              LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
              UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
# What users run, install and package: optimised, no debug symbols. The tests run on it too.
BUILD      := build
BUILD_TYPE := Release
CMAKE_ARGS :=
TEST_ENV   :=
endif

# make fuzz: every target under fuzz/ for FUZZ_SECONDS each, built with clang in build-fuzz.
FUZZ_BUILD   := build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_TARGETS := fuzz_record fuzz_contactfile fuzz_labelposition fuzz_composer fuzz_csv fuzz_vcard

.PHONY: all deps build run test bench clean fuzz fuzz-deps fuzz-build

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}" ] && [ -z "$${WAYLAND_DISPLAY:-}" ]; then \
	  echo "tessaprint: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)."; \
	  echo "Start it from a desktop session, or on a machine without a screen: xvfb-run make run"; \
	  exit 1; \
	fi
	./$(BUILD)/tessaprint

test: build
	@cd $(BUILD) && $(TEST_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

fuzz-deps:
	@bash scripts/install-deps.sh fuzz

fuzz-build: fuzz-deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTP_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)

fuzz: fuzz-build
	@bash scripts/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Benchmarks on generated contact files; Release build of their own, not part of test.
bench:
	@bash scripts/install-deps.sh bench
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTESSAPRINT_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS) --target tp_bench
	@QT_QPA_PLATFORM=offscreen ./build-bench/bench/tp_bench $(BENCH_ARGS)

clean:
	rm -rf build build-sanitize build-fuzz build-bench
