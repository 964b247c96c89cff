# The two everyday commands: `make run` and `make test`. Each target installs
# the packages it needs first (scripts/setup) and switches on only the parts
# of the build it uses, so that `make run` needs no test or benchmark library.
BUILD := build
SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

.PHONY: all run test bench format format-check clean sanitize fuzz windows test-windows package

# Configures the build tree once, then switches on the option $(1) when the
# cache does not have it yet.
define configure
	test -f $(BUILD)/build.ninja || cmake --preset default -B $(BUILD) -DPALVO_TESTS=OFF -DPALVO_BENCH=OFF
	@$(if $(1),grep -q '^$(1):BOOL=ON' $(BUILD)/CMakeCache.txt || cmake --preset default -B $(BUILD) -D$(1)=ON)
endef

all:
	sh scripts/setup build
	$(call configure)
	cmake --build $(BUILD) --target palvo

# The program keeps its data files in the directory it is started from.
run: all
	$(BUILD)/palvo

test:
	sh scripts/setup build test
	$(call configure,PALVO_TESTS)
	@echo "building the program and the tests in $(BUILD)/"
	@cmake --build $(BUILD) -- --quiet
	ctest --test-dir $(BUILD) -j2 --timeout 300 --output-on-failure

# The scan and the card beside their straightforward references, then whole
# sessions of the program at 10,000, 100,000 and 1,000,000 patients (up to
# 1.3 GB of files under build/bench-data while they run; a few minutes).
bench:
	sh scripts/setup build bench
	$(call configure,PALVO_BENCH)
	cmake --build $(BUILD) --target palvo record_scan_bench card_bench session_runner generate_files
	$(BUILD)/bench/record_scan_bench --benchmark_min_time=0.2
	$(BUILD)/bench/card_bench --benchmark_min_time=0.2
	$(BUILD)/bench/session_runner

# Fails when a source file differs from what .clang-format makes of it.
format-check:
	sh scripts/setup format
	@echo "clang-format --dry-run --Werror: $(words $(SOURCES)) files"
	@clang-format --dry-run --Werror $(SOURCES)

format:
	sh scripts/setup format
	clang-format -i $(SOURCES)

# Every test once more against a build with AddressSanitizer and UBSan.
sanitize:
	sh scripts/setup build test
	cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPALVO_TESTS=ON -DPALVO_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
	cmake --build $(BUILD)-asan
	ctest --test-dir $(BUILD)-asan -j2 --output-on-failure

# The whole program fuzzed in one process for FUZZ_SECONDS, with clang's
# libFuzzer, AddressSanitizer and UBSan. New inputs it finds go to
# build-fuzz/corpus, a failing one to build-fuzz/crash-* (or leak-*, timeout-*).
FUZZ_SECONDS ?= 60
fuzz:
	sh scripts/setup build fuzz
	cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALVO_TESTS=OFF -DPALVO_BENCH=OFF -DPALVO_FUZZ=ON \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
	cmake --build $(BUILD)-fuzz --target palvo_fuzz
	mkdir -p $(BUILD)-fuzz/corpus
	$(BUILD)-fuzz/fuzz/palvo_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -max_len=8192 \
	  -dict=$(CURDIR)/fuzz/palvo.dict -artifact_prefix=$(CURDIR)/$(BUILD)-fuzz/ \
	  -print_final_stats=1 $(CURDIR)/$(BUILD)-fuzz/corpus $(CURDIR)/fuzz/corpus

# The Windows console program, cross-built with MinGW-w64: $(BUILD)-win/palvo.exe.
windows:
	sh scripts/setup windows
	cmake -S . -B $(BUILD)-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DPALVO_BENCH=OFF
	cmake --build $(BUILD)-win --target palvo

# The tests against palvo.exe under Wine: the test build's sessions run the
# Windows program instead of the POSIX one; then the Windows unit tests.
test-windows: windows
	sh scripts/setup build test
	$(call configure,PALVO_TESTS)
	cmake --build $(BUILD)
	sh scripts/setup wine
	cmake -S . -B $(BUILD)-win -DPALVO_TESTS=ON
	cmake --build $(BUILD)-win
	sh scripts/wine-tests $(BUILD) $(BUILD)-win

# $(BUILD)/paket/palvo_*.deb and $(BUILD)-win/paket/palvo-*-windows-x64.zip.
package: all windows
	sh scripts/setup package
	cd $(BUILD) && cpack
	cd $(BUILD)-win && cpack

clean:
	rm -rf $(BUILD) $(BUILD)-win $(BUILD)-asan $(BUILD)-fuzz
