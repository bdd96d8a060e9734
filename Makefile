# Entry points for players and developers; CMake does the real work.
BUILD      ?= build
JOBS       ?= 2
CMAKE_ARGS ?=
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = $(basename $(notdir $(filter-out fuzz/fuzz_support.cpp,$(wildcard fuzz/fuzz_*.cpp))))

.PHONY: all deps configure build run test bench sanitize fuzz format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@cd $(BUILD) && ./morvatek

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench:
	@$(MAKE) --no-print-directory build BUILD=build-release CMAKE_ARGS=-DCMAKE_BUILD_TYPE=Release
	@cd build-release && ./morvatek_bench --benchmark_out=bench.json --benchmark_out_format=json && ../scripts/bench-report bench.json .

sanitize: export ASAN_OPTIONS = abort_on_error=0:detect_leaks=1
sanitize: export LSAN_OPTIONS = suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0
sanitize: export UBSAN_OPTIONS = print_stacktrace=1:halt_on_error=1
sanitize:
	@$(MAKE) --no-print-directory test BUILD=build-asan CMAKE_ARGS="-DMORVATEK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"

fuzz: deps
	@scripts/fuzz build build-fuzz
	@for target in $(FUZZ_TARGETS); do scripts/fuzz run build-fuzz $$target $(FUZZ_SECONDS) || exit 1; done

format:
	@find src tests tools bench fuzz -name '*.cpp' -o -name '*.hpp' | xargs clang-format -i

clean:
	@rm -rf build build-release build-asan build-fuzz
