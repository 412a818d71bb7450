# Entry points for a newcomer: `make test` and `make run`.
# Each installs missing dependencies first (scripts/bootstrap).

PRESET ?= default
JOBS ?= $(shell nproc 2>/dev/null || sysctl -n hw.ncpu 2>/dev/null || echo 2)
# CI turns warnings into errors.
CMAKE_FLAGS := $(if $(CI),-DVARNEL_WERROR=ON,)

.PHONY: all deps build test run dmg self-check screenshots bench soak fuzz clean format

all: build

deps:
	@scripts/bootstrap

build: deps
	cmake --preset $(PRESET) $(CMAKE_FLAGS)
	cmake --build --preset $(PRESET) --parallel $(JOBS)

test: build
	ctest --preset $(PRESET) --parallel $(JOBS)

# The application a user runs is the optimised one; tests keep their own preset.
run dmg self-check: PRESET = release

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

# On a Mac, the release artefact: Varnel.dmg with a standalone Varnel.app, signed with the
# hardened runtime (ad hoc unless VARNEL_CODESIGN_IDENTITY names an identity) and checked.
dmg: build
	scripts/make-dmg build/$(PRESET)/Varnel.app Varnel.dmg

# What this Mac gives Varnel: permissions, secure input, input sources, the login item, a
# keyboard tap and the stored settings. Exit status 0 when the keyboard can be remapped.
ifeq ($(shell uname -s),Darwin)
self-check: build
	build/$(PRESET)/Varnel.app/Contents/MacOS/Varnel --self-check
else
self-check:
	@echo "make self-check examines a Mac; here Varnel runs over the simulated Mac."
endif

# Pictures of the window and the menu, for docs/screenshots.
screenshots: build
	build/$(PRESET)/tools/varnel-screenshot/varnel-screenshot docs/screenshots

# The cost of one event on the hot path, and its allocations (docs/performance.md).
bench: deps
	cmake --preset bench $(CMAKE_FLAGS)
	cmake --build --preset bench --parallel $(JOBS) --target varnel-bench
	build/bench/bench/varnel-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# Ten million random events through the whole controller, under the sanitizers.
SOAK_EVENTS ?= 10000000
soak: deps
	cmake --preset asan $(CMAKE_FLAGS)
	cmake --build --preset asan --parallel $(JOBS) --target varnel-soak
	build/asan/tests/varnel-soak $(SOAK_EVENTS)

# Each fuzz target for a bounded time, from its seed corpus (a copy in build/fuzz).
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := options_decoder:options app_start:app_start script_parser:script_parser
fuzz:
	@scripts/bootstrap fuzz
	cmake --preset fuzz $(CMAKE_FLAGS)
	cmake --build --preset fuzz --parallel $(JOBS)
	@set -e; for pair in $(FUZZ_TARGETS); do \
		target=$${pair%%:*}; corpus=build/fuzz/corpus/$${pair##*:}; \
		mkdir -p $$corpus; cp -n fuzz/corpus/$${pair##*:}/* $$corpus/ 2>/dev/null || true; \
		echo "== $$target, $(FUZZ_SECONDS) s"; \
		build/fuzz/fuzz/$${target}_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
			-timeout=10 -print_final_stats=1 $$corpus 2>&1 | grep -E '^(Done|stat::number_of_executed_units|==|SUMMARY)' || true; \
		if ls crash-* leak-* timeout-* >/dev/null 2>&1; then echo "fuzz: a finding, see crash-*"; exit 1; fi; \
	done

format:
	git ls-files '*.h' '*.cpp' '*.mm' | xargs clang-format -i

clean:
	rm -rf build
