# Crestwork II: the two commands a newcomer needs are `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

.PHONY: all setup configure build install run test bench sanitize soak balance fuzz fuzz-corpus clean format manual-pictures

all: build

setup:
	@bash scripts/setup.sh

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: setup $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Installs the game into PREFIX (bin/, share/crestwork/, the menu entry and
# the icon); DESTDIR is honoured for packaging.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

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
	cmake --build build-asan -j $(JOBS) --target cw_test_all
	cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# Ten whole games of the computer player on the same sanitizer build, each
# saved and loaded every four years (scripts/soak.sh); any finding fails.
SOAK_GAMES ?= 10
soak: setup
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1"
	cmake --build build-asan -j $(JOBS) --target crestwork-cli cw_data
	JOBS=$(JOBS) bash scripts/soak.sh build-asan $(SOAK_GAMES)

# The balance report docs/balance.md: the computer player on BALANCE_SEEDS
# seeds at each game level (scripts/balance.sh).
# The "what wins" table plays the first WIN_SEEDS of them again for each
# habit left out (all of them by default: the whole run is some ten minutes
# on two cores; WIN_SEEDS=5 for a quick look).
BALANCE_SEEDS ?= 20
WIN_SEEDS ?= 20
balance: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target crestwork-cli cw_data
	JOBS=$(JOBS) WIN_SEEDS=$(WIN_SEEDS) bash scripts/balance.sh $(BALANCE_SEEDS) $(BUILD_DIR)

# The libFuzzer targets of fuzz/ in their own clang build, each run for
# FUZZ_SECONDS on a copy of its stored corpus (fuzz/run.sh). The save target
# changes a save the ordinary build plays, so that is made first. The
# instrumented build only warns: clang does not know every g++ warning flag.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= script highscore names playtime table inbox zip save tips

fuzz: configure
	@bash scripts/setup.sh --fuzz
	cmake --build $(BUILD_DIR) -j $(JOBS) --target cw_fuzz_base
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCW_FUZZ=ON -DCW_WERROR=OFF \
	  -DCW_FUZZ_BASE_SAVE=$(abspath $(BUILD_DIR))/fuzz/base/savegame/base.sav
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target cw_fuzz_all
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash fuzz/run.sh $(FUZZ_DIR) $(FUZZ_TARGETS)

# Writes the seed corpora of fuzz/corpus again from the real files a game of
# the ordinary build leaves behind.
fuzz-corpus: build
	bash fuzz/make_corpus.sh $(BUILD_DIR)

# The manual's pictures (docs/manual/pictures), taken again by the screen tests.
manual-pictures: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target crestwork_ui_tests
	bash scripts/manual_pictures.sh $(BUILD_DIR)

format:
	find src app tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) build-asan $(FUZZ_DIR)
