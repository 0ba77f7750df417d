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

# Removes what the last `cmake --install` of $(BUILD) put in place: the files listed in
# its manifest (one path a line), then the program's folder if nothing else is left in it.
# Pictures the program saved beside itself are not listed and stay, with their folder.
.PHONY: uninstall
uninstall:
	@test -f $(BUILD)/install_manifest.txt || \
	  { echo "$(BUILD)/install_manifest.txt is missing: nothing was installed from $(BUILD)" >&2; exit 1; }
	xargs -d '\n' rm -f -- < $(BUILD)/install_manifest.txt
	sed -n 's|/help/help\.chm$$||p' $(BUILD)/install_manifest.txt | \
	  while IFS= read -r dir; do rmdir "$$dir/help" "$$dir" 2>/dev/null || true; done
	sed -n 's|/packages/volnograf-grafc\.xml$$||p' $(BUILD)/install_manifest.txt | \
	  while IFS= read -r dir; do update-mime-database "$$dir" 2>/dev/null || true; done
	sed -n 's|/volnograf\.desktop$$||p' $(BUILD)/install_manifest.txt | \
	  while IFS= read -r dir; do update-desktop-database "$$dir" 2>/dev/null || true; done
