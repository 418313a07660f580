# Sonorix: `make test` builds and runs every suite; `make demo` shows the
# program against the stand-in client. Both install what they need first.
BUILD := build
JOBS  ?= 2

.PHONY: all deps native windows test dist demo bench clean

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

test: native windows
	@scripts/run-tests.sh

dist: windows
	@scripts/make-dist.sh $(BUILD)/win $(BUILD)/dist

demo: dist
	@scripts/demo.sh $(BUILD)/dist

clean:
	rm -rf $(BUILD)
