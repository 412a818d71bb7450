# Entry points for a newcomer: `make test` and `make run`.
# Each installs missing dependencies first (scripts/bootstrap).

PRESET ?= default
JOBS ?= $(shell nproc 2>/dev/null || sysctl -n hw.ncpu 2>/dev/null || echo 2)
# CI turns warnings into errors.
CMAKE_FLAGS := $(if $(CI),-DVARNEL_WERROR=ON,)

.PHONY: all deps build test run clean format

all: build

deps:
	@scripts/bootstrap

build: deps
	cmake --preset $(PRESET) $(CMAKE_FLAGS)
	cmake --build --preset $(PRESET) --parallel $(JOBS)

test: build
	ctest --preset $(PRESET) --parallel $(JOBS)

# Starts Varnel. Until the window exists, a guided tour on the simulated Mac.
run: build
	build/$(PRESET)/tools/varnel-sim/varnel-sim examples/tour.vks

format:
	git ls-files '*.h' '*.cpp' '*.mm' | xargs clang-format -i

clean:
	rm -rf build
