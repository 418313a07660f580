# Sonorix: `make test` builds and runs every suite; `make demo` shows the
# program against the stand-in client; `make installer` builds the setup
# program. All install what they need first.
BUILD := build
JOBS  ?= 2

# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 30

.PHONY: all deps native windows fuzz-build test fuzz dist installer demo bench clean

all: dist

deps:
	@scripts/install-deps.sh

native: deps
	@cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(BUILD)/native -j $(JOBS)

windows: deps
	@cmake -S . -B $(BUILD)/win -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(BUILD)/win -j $(JOBS)

# libFuzzer needs clang; the fuzz build instruments the portable libraries for it.
fuzz-build: deps
	@cmake -S . -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DSONORIX_FUZZ=ON >/dev/null
	@cmake --build $(BUILD)/fuzz -j $(JOBS) --target fuzz_targets

# The Wine tests install the setup program, so it is built first.
test: native installer fuzz-build
	@scripts/run-tests.sh

# Every fuzz target for FUZZ_SECONDS; what they find stays in build/fuzz/campaigns
# (FUZZ_MERGE=1 adds inputs that reach new code to fuzz/corpus).
fuzz: fuzz-build
	@scripts/run-fuzz.sh all $(BUILD)/fuzz $(FUZZ_SECONDS)

dist: windows
	@scripts/make-dist.sh $(BUILD)/win $(BUILD)/dist

installer: dist
	@scripts/make-installer.sh $(BUILD)/win $(BUILD)/dist

demo: dist
	@scripts/demo.sh $(BUILD)/dist

# Release builds without sanitizers, so the numbers mean something.
bench: deps
	@cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release -DSONORIX_SANITIZE=OFF \
	  -DSONORIX_BENCH=ON >/dev/null
	@cmake --build $(BUILD)/bench -j $(JOBS) --target native_bench
	@$(BUILD)/bench/bench/native_bench
	@cmake -S . -B $(BUILD)/win -DSONORIX_BENCH=ON >/dev/null
	@cmake --build $(BUILD)/win -j $(JOBS)
	@scripts/with-wine.sh scripts/run-wine-bench.sh $(BUILD)/win/bin

clean:
	rm -rf $(BUILD)
