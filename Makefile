# Crestwork II: the two commands a newcomer needs are `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

.PHONY: all setup configure build run test bench sanitize clean format

all: build

setup:
	@bash scripts/setup.sh

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: setup $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/game/crestwork $(ARGS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target crestwork_bench
	$(BUILD_DIR)/bench/crestwork_bench $(BENCH_ARGS)

# Every test again in a debug build with AddressSanitizer and UBSan (bounds
# checks of the tables on): slower, for hunting memory and arithmetic faults.
sanitize: setup
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1"
	cmake --build build-asan -j $(JOBS) --target crestwork_tests crestwork_ui_tests
	cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

format:
	find src app tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) build-asan
