# make run   - install what is missing, build, start the program
# make test  - the same, then every test: unit tests, sanitizers, fuzzing, and the
#              validation report regenerated and compared with docs/validation.md
# make validate - build, then regenerate docs/validation.md
# make bench - build and run the benchmarks
# make fuzz  - the fuzz targets for longer (FUZZ_SECONDS, default 300)
# make package - build, then build/winstabix_<version>_<arch>.deb (CPack)

JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
FUZZ_SECONDS ?= 300

.PHONY: translations all deps build run test test-unit test-asan test-fuzz test-validate test-package validate bench tidy fuzz package clean

all: build

deps:
	@scripts/install-deps

# The configurations are CMakePresets.json's: release (build/), asan, fuzz.
build: deps
	@cmake --preset release $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset release -j $(JOBS)

# After adding or changing a text in src/: refresh translations/*.ts (lupdate).
translations: deps
	@scripts/update-translations

run: build
	@if [ -x build/src/winstabix ]; then build/src/winstabix $(ARGS); else build/src/winstabix-calc $(ARGS); fi

test: test-unit test-asan test-fuzz test-validate test-package
	@scripts/test-size

test-unit: build
	@ctest --preset release -j $(JOBS)

# The whole tree, widget tests included, under AddressSanitizer and
# UndefinedBehaviorSanitizer; scripts/lsan.supp names the leaks of system libraries.
test-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

package: build
	@cd build && cpack -G DEB

# Installs into the running system, so only as root (as CI runs).
test-package: build
	@if [ "$$(id -u)" -eq 0 ]; then scripts/test-package build; \
	  else echo "test-package: skipped, installing the package needs root"; fi

validate: build
	@scripts/validate build/src/winstabix-calc docs/validation.md

# The committed report must be what this build produces, to the byte.
test-validate: build
	@out=$$(mktemp) && trap 'rm -f "$$out"' EXIT && \
	  scripts/validate build/src/winstabix-calc "$$out" && \
	  if diff -u docs/validation.md "$$out"; then echo "validation: docs/validation.md is current"; \
	  else echo "validation: docs/validation.md differs from a fresh run (make validate)"; exit 1; fi

build-fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)

test-fuzz: build-fuzz
	@scripts/run-fuzz 10

fuzz: build-fuzz
	@scripts/run-fuzz $(FUZZ_SECONDS)

# clang-tidy over the whole tree with .clang-tidy; any finding fails.
tidy: deps
	@scripts/tidy

bench: build
	@for b in build/bench/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

clean:
	rm -rf build build-asan build-fuzz
