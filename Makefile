# make demo   build everything and run the demo on the bundled simulated host
# make test   build everything and run every test under Wine and Xvfb
# make bench  build everything and print the benchmarks' figures

BUILD      := build
export WINEPREFIX       := $(abspath $(BUILD))/wineprefix
export WINEDEBUG        := -all
export WINEDLLOVERRIDES := mscoree,mshtml=
export WINEARCH         := win32
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"

.PHONY: all bootstrap build test demo bench clean

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

build: bootstrap $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j2

$(WINEPREFIX)/system.reg:
	@scripts/wineprefix

test: build $(WINEPREFIX)/system.reg
	$(XVFB) scripts/run-tests $(BUILD)

demo: build $(WINEPREFIX)/system.reg
	scripts/demo $(BUILD)

bench: build $(WINEPREFIX)/system.reg
	$(XVFB) scripts/run-bench $(BUILD)

clean:
	rm -rf $(BUILD)
