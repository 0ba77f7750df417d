# The two commands of README.md: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: setup configure build run test bench format clean

setup:
	./scripts/setup.sh

configure: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Everything: the program, its help, the tests, the benchmark and the tools.
build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program and its help only: a newcomer does not wait for the tests to compile.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target volnograf volnograf_help
	cd $(BUILD) && ./volnograf

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/volnograf_bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
