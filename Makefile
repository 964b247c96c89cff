# The two everyday commands: `make run` and `make test`. Each target installs
# the packages it needs first (scripts/setup) and switches on only the parts
# of the build it uses, so that `make run` needs no test or benchmark library.
# Each build is a preset of CMakePresets.json, which fixes its folder: BUILD
# for the developer build, BUILD-release, -asan, -fuzz and -win for the others.
BUILD := build
SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

.PHONY: all run test bench busy-share format format-check clean sanitize fuzz windows test-windows \
  release package lintian test-msi

# Configures the build tree once, then switches on the option $(1) when the
# cache does not have it yet. A tree configured before warnings became a cache
# option gets the preset again, so that they stay errors there.
define configure
	test -f $(BUILD)/build.ninja || cmake --preset default -DPALVO_TESTS=OFF -DPALVO_BENCH=OFF
	@grep -q '^PALVO_WERROR:BOOL=ON' $(BUILD)/CMakeCache.txt || cmake --preset default
	@$(if $(1),grep -q '^$(1):BOOL=ON' $(BUILD)/CMakeCache.txt || cmake --preset default -D$(1)=ON)
endef

all:
	sh scripts/setup build
	$(call configure)
	cmake --build --preset default --target palvo

# The program keeps its data files in the directory it is started from.
run: all
	$(BUILD)/palvo

test:
	sh scripts/setup build test
	$(call configure,PALVO_TESTS)
	@echo "building the program and the tests in $(BUILD)/"
	@cmake --build --preset default -- --quiet
	ctest --preset default

# The scan and the card beside their straightforward references, then whole
# sessions of the program at 10,000, 100,000 and 1,000,000 patients (up to
# 1.3 GB of files under build/bench-data while they run; about a minute once
# built, 55 s measured).
# Also built: the lock clock for `bench/lock_hold.sh build N RUNS`, which times
# how long each kind of write holds its writers' lock, and the desks and the
# emulated link of `make busy-share`.
bench:
	sh scripts/setup build bench
	$(call configure,PALVO_BENCH)
	cmake --build --preset default --target palvo record_scan_bench card_bench session_runner generate_files \
	  lock_clock busy_desks shared_link
	$(BUILD)/bench/record_scan_bench --benchmark_min_time=0.2
	$(BUILD)/bench/card_bench --benchmark_min_time=0.2
	$(BUILD)/bench/session_runner

# Four desks on one data folder behind one emulated network link
# (bench/busy_share.sh): 100,000 patients at 30 MB/s and 1,000,000 at
# 110 MB/s, SEEDS seeds each; COMPARE=PROGRAM runs another build of the
# program on the same seeds beside this one. Not part of `make bench`: 22
# minutes measured with 3 seeds, about twice that with COMPARE
# (docs/performance.md).
SEEDS ?= 3
busy-share:
	sh scripts/setup build bench
	$(call configure,PALVO_BENCH)
	cmake --build --preset default --target palvo busy_desks generate_files shared_link
	sh bench/busy_share.sh $(BUILD) $(SEEDS) $(if $(COMPARE),--compare $(COMPARE))

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
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# The whole program fuzzed in one process for FUZZ_SECONDS, with clang's
# libFuzzer, AddressSanitizer and UBSan. New inputs it finds go to
# build-fuzz/corpus, a failing one to build-fuzz/crash-* (or leak-*, timeout-*).
FUZZ_SECONDS ?= 60
fuzz:
	sh scripts/setup build fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz
	mkdir -p $(BUILD)-fuzz/corpus
	$(BUILD)-fuzz/fuzz/palvo_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -max_len=8192 \
	  -dict=$(CURDIR)/fuzz/palvo.dict -artifact_prefix=$(CURDIR)/$(BUILD)-fuzz/ \
	  -print_final_stats=1 $(CURDIR)/$(BUILD)-fuzz/corpus $(CURDIR)/fuzz/corpus

# The Windows console program, cross-built with MinGW-w64: $(BUILD)-win/palvo.exe.
windows:
	sh scripts/setup windows
	cmake --preset windows
	cmake --build --preset windows --target palvo

# The tests against palvo.exe under Wine: the test build's sessions run the
# Windows program instead of the POSIX one; then the Windows unit tests.
test-windows: windows
	sh scripts/setup build test
	$(call configure,PALVO_TESTS)
	cmake --build --preset default
	sh scripts/setup wine
	cmake --preset windows -DPALVO_TESTS=ON
	cmake --build --preset windows
	sh scripts/wine-tests $(BUILD) $(BUILD)-win

# What a user builds: Release, warnings left as warnings, $(BUILD)-release/palvo.
release:
	sh scripts/setup build
	cmake --preset release
	cmake --build --preset release

# $(BUILD)-release/paket/palvo_*.deb, and $(BUILD)-win/paket/palvo-*-windows-x64.zip
# and palvo-*-windows-x64.msi (wixl).
package: release windows
	sh scripts/setup package
	cmake --build --preset windows --target palvo_paket_metinleri
	rm -rf $(BUILD)-release/paket $(BUILD)-win/paket
	cd $(BUILD)-release && cpack
	cd $(BUILD)-win && cpack
	cmake --build --preset windows --target palvo_msi

# Debian's package checker on the .deb: any error or warning fails.
lintian: package
	lintian --fail-on error,warning $(BUILD)-release/paket/palvo_*.deb

# The .msi under Wine in a fresh prefix: a silent install with DATADIR,
# palvo.exe's version and language against the File tables, the program
# registering a patient there, an upgrade, the uninstall, an upgrade with /qr
# and a new DATADIR (scripts/msi-test; 7 to 15 s after make package).
test-msi: package
	sh scripts/setup msi
	sh scripts/msi-test $(BUILD)-win

clean:
	rm -rf $(BUILD) $(BUILD)-release $(BUILD)-win $(BUILD)-asan $(BUILD)-fuzz
