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

# The Debian package volnograf_<version>_<arch>.deb in $(BUILD), for `apt install`.
.PHONY: package
package: configure
	cmake --build $(BUILD) -j $(JOBS) --target volnograf volnograf_help volnograf_docs
	cd $(BUILD) && cpack -G DEB

# Removes what the last `cmake --install` of $(BUILD) put in place (the files listed in its
# manifest) and the folders the installs created, where nothing else is left in them.
# Pictures the program saved beside itself are not listed and stay, with their folder.
.PHONY: uninstall
uninstall:
	./scripts/uninstall.sh $(BUILD)
