# Sonorix: `make test` builds and runs every suite; `make demo` shows the
# program against the stand-in client; `make installer` builds the setup
# program. All install what they need first.
BUILD := build
JOBS  ?= 2

.PHONY: all deps native windows test dist installer demo bench clean

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

# The Wine tests install the setup program, so it is built first.
test: native installer
	@scripts/run-tests.sh

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
