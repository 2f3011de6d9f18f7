MAKEFLAGS += --no-print-directory

BUILD := build
JOBS  ?= 2

.PHONY: all deps build run test bench clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}" ] && [ -z "$${WAYLAND_DISPLAY:-}" ]; then \
	  echo "tessaprint: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)."; \
	  echo "Start it from a desktop session, or on a machine without a screen: xvfb-run make run"; \
	  exit 1; \
	fi
	./$(BUILD)/tessaprint

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Benchmarks on generated contact files; Release build of their own, not part of test.
bench:
	@bash scripts/install-deps.sh bench
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTESSAPRINT_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS) --target tp_bench
	@QT_QPA_PLATFORM=offscreen ./build-bench/bench/tp_bench $(BENCH_ARGS)

clean:
	rm -rf $(BUILD) build-bench
