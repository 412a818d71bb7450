# Entry points for a newcomer: `make test` and `make run`.
# Each installs missing dependencies first (scripts/bootstrap).

PRESET ?= default
JOBS ?= $(shell nproc 2>/dev/null || sysctl -n hw.ncpu 2>/dev/null || echo 2)
# CI turns warnings into errors.
CMAKE_FLAGS := $(if $(CI),-DVARNEL_WERROR=ON,)

.PHONY: all deps build test run screenshots clean format

all: build

deps:
	@scripts/bootstrap

build: deps
	cmake --preset $(PRESET) $(CMAKE_FLAGS)
	cmake --build --preset $(PRESET) --parallel $(JOBS)

test: build
	ctest --preset $(PRESET) --parallel $(JOBS)

# Starts Varnel: on a Mac the application bundle, elsewhere the application over the
# simulated Mac. Without a display, the guided tour of varnel-sim instead.
run: build
ifeq ($(shell uname -s),Darwin)
	open build/$(PRESET)/Varnel.app
else
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		build/$(PRESET)/varnel; \
	else \
		echo "No display here (DISPLAY and WAYLAND_DISPLAY are unset): running the guided tour"; \
		echo "of varnel-sim instead, examples/tour.vks."; \
		build/$(PRESET)/tools/varnel-sim/varnel-sim examples/tour.vks; \
	fi
endif

# Pictures of the window and the menu, for docs/screenshots.
screenshots: build
	build/$(PRESET)/tools/varnel-screenshot/varnel-screenshot docs/screenshots

format:
	git ls-files '*.h' '*.cpp' '*.mm' | xargs clang-format -i

clean:
	rm -rf build
