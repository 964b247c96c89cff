# The two everyday commands: `make run` and `make test`.
BUILD := build
PACKAGES_OK := $(BUILD)/.packages-ok

.PHONY: all run test bench clean setup

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

clean:
	rm -rf $(BUILD)
