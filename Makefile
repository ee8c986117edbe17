# make test: install what is missing, build both architectures, run every test.
# make demo: the same set-up, then the sample program under Wine; it leaves a
#   picture of its window in build/x86_64/demo/sample.png.
# make bench: the same set-up, then the Win and drawing benchmarks under Wine.
BUILD := build
JOBS := $(shell nproc)

.PHONY: all deps build test demo bench fuzz clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD)/x86_64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
	  -DZEK_I686_DLL=$(CURDIR)/$(BUILD)/i686/bin/ZEK2.dll
	cmake -S . -B $(BUILD)/i686 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DZEK_BUILD_TESTS=OFF
	cmake --build $(BUILD)/i686 -j $(JOBS)
	cmake --build $(BUILD)/x86_64 -j $(JOBS)

test: build
	tools/with-wine.sh $(BUILD)/x86_64 ctest --test-dir $(BUILD)/x86_64 --output-on-failure -j $(JOBS)
	@if [ -x tools/run-native-tests.sh ]; then tools/run-native-tests.sh short; fi

demo: build
	tools/with-wine.sh $(BUILD)/x86_64 tools/run-demo.sh $(BUILD)/x86_64

bench: build
	tools/with-wine.sh $(BUILD)/x86_64 sh -c 'tools/wine64 "$$1/win_bench.exe" && tools/wine64 "$$1/draw_bench.exe"' sh $(CURDIR)/$(BUILD)/x86_64/bin

fuzz: deps
	tools/run-native-tests.sh long

clean:
	rm -rf $(BUILD)
