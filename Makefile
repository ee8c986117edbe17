# make test: install what is missing, build both architectures, run every suite
#   against both libraries under Wine (x86_64 and i686 lanes), then the native lane.
# make demo: the same set-up, then the traverse program under Wine, driven from
#   outside; it leaves pictures in build/x86_64/demo/traverse-*.png.
# make bench: the same set-up, then every benchmark: survey and record files
#   natively, the window and drawing benchmarks under Wine for both architectures.
# make dist: the same set-up, then the bundle for Windows developers in
#   build/dist/ZEK2/ and build/dist/ZEK2.zip (tools/make-dist.sh).
BUILD := build
JOBS := $(shell nproc)

.PHONY: all deps build test demo bench dist fuzz clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD)/x86_64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
	  -DZEK_I686_DLL=$(CURDIR)/$(BUILD)/i686/bin/ZEK2.dll
	cmake -S . -B $(BUILD)/i686 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DZEK_BUILD_TESTS=ON -DZEK_X64_DLL=$(CURDIR)/$(BUILD)/x86_64/bin/ZEK2.dll
	cmake --build $(BUILD)/i686 -j $(JOBS)
	cmake --build $(BUILD)/x86_64 -j $(JOBS)

# Wine lanes x86_64 and i686 in one Wine session, then the native lane.
test: build
	tools/with-wine.sh $(BUILD)/x86_64 tools/run-wine-tests.sh $(BUILD)
	@if [ -x tools/run-native-tests.sh ]; then tools/run-native-tests.sh short; fi

demo: build
	tools/with-wine.sh $(BUILD)/x86_64 tools/run-demo.sh $(BUILD)/x86_64

bench: build
	tools/with-wine.sh $(BUILD)/x86_64 tools/run-benchmarks.sh $(BUILD)

dist: build
	tools/make-dist.sh $(BUILD)/dist $(BUILD)/i686 $(BUILD)/x86_64

fuzz: deps
	tools/run-native-tests.sh long

clean:
	rm -rf $(BUILD)
