# make demo   build everything and run the demo on the bundled simulated host
# make test   build everything and run every test under Wine and Xvfb
#             (TESTS=regex runs only the tests whose names match, down to
#             one case of a whole-program test; LANES=n runs them in n
#             lanes side by side, 4 by default)
# make bench  build everything and print the benchmarks' figures
# make soak   build everything and answer 1,000 messages (SOAK_MESSAGES), then
#             print the table
# make fuzz   fuzz the host-text functions natively, FUZZ_SECONDS (60) per target
# make lint   clang-tidy over the product, cppcheck over the product and the
#             test bed; fails on any finding
#
# The tests run under 32-bit Wine where this machine can run it and under
# 64-bit Wine on an x86_64 build where it cannot; WINE_ARCH=win32 or
# WINE_ARCH=win64 forces either. build/quillostools.exe, the program we ship,
# is the i686 one either way.

WINE_ARCH ?=
TESTS ?=
FUZZ_SECONDS ?= 60
SOAK_MESSAGES ?= 1000
export WINE_ARCH TESTS FUZZ_SECONDS SOAK_MESSAGES

.PHONY: all build test demo bench soak fuzz lint clean

all: build

build test demo bench soak:
	@scripts/testbed $@

fuzz:
	@scripts/native fuzz

lint:
	@scripts/lint

clean:
	rm -rf build
