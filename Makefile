# The two everyday commands: `make run` and `make test`.
BUILD := build
PACKAGES_OK := $(BUILD)/.packages-ok

.PHONY: all run test bench clean setup windows sanitize

all: $(BUILD)/build.ninja
	cmake --build --preset default

# Installs the build prerequisites once on a fresh machine.
$(PACKAGES_OK): scripts/setup
	sh scripts/setup
	mkdir -p $(BUILD) && touch $@

setup: $(PACKAGES_OK)

$(BUILD)/build.ninja: $(PACKAGES_OK) CMakeLists.txt CMakePresets.json
	cmake --preset default

# The program keeps its data files in the directory it is started from.
run: all
	./$(BUILD)/palvo

test: all
	ctest --preset default

bench: all
	./$(BUILD)/bench/record_scan_bench

# Every test once more against a build with AddressSanitizer and UBSan.
sanitize: $(PACKAGES_OK)
	cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPALVO_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
	cmake --build $(BUILD)-asan
	ctest --test-dir $(BUILD)-asan -j2 --output-on-failure

# The Windows console program, cross-built with MinGW-w64 (g++-mingw-w64-x86-64-posix).
windows:
	cmake -S . -B $(BUILD)-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DPALVO_TESTS=OFF -DPALVO_BENCH=OFF
	cmake --build $(BUILD)-win

clean:
	rm -rf $(BUILD) $(BUILD)-win $(BUILD)-asan
