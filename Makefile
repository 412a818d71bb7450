# Entry points for a newcomer: `make test` and `make run`.
# Each installs missing dependencies first (scripts/bootstrap).

PRESET ?= default
JOBS ?= $(shell nproc 2>/dev/null || sysctl -n hw.ncpu 2>/dev/null || echo 2)
# CI turns warnings into errors.
CMAKE_FLAGS := $(if $(CI),-DVARNEL_WERROR=ON,)

.PHONY: all deps build test run sim translations dmg self-check screenshots bench bench-build bench-instructions \
	soak fuzz clean format

# Lines of a build that tell a person nothing: make run and make screenshots leave them out.
BUILD_CHATTER := Built target|Automatic (MOC|RCC|UIC) for target|Consolidate compiler generated|Scanning dependencies|^g?make(\[[0-9]+\])?: (Entering|Leaving)
# Builds the targets $(2) of preset $(1) quietly: configures only the first time (later the
# build configures again by itself when a CMake file changed) and shows only lines of real
# work, so that nothing is printed when nothing changed.
quiet_build = { [ -f build/$(1)/CMakeCache.txt ] || cmake --preset $(1) $(CMAKE_FLAGS); } \
	&& bash -c 'set -o pipefail; cmake --build --preset $(1) --parallel $(JOBS) --target $(2) 2>&1 \
		| { grep -v -E "$(BUILD_CHATTER)" || true; }'

all: build

# The clang preset needs clang; everything else what scripts/bootstrap installs by default.
deps:
	@scripts/bootstrap $(if $(filter clang,$(PRESET)),clang)

build: deps
	cmake --preset $(PRESET) $(CMAKE_FLAGS)
	cmake --build --preset $(PRESET) --parallel $(JOBS)

test: build
	ctest --preset $(PRESET) --parallel $(JOBS)

# On a Mac the application a user runs is the optimised bundle. Elsewhere `make run` shares
# the default build with `make test`, so that the one after the other compiles nothing twice.
dmg self-check: PRESET = release
ifeq ($(shell uname -s),Darwin)
run: PRESET = release
endif

# Starts Varnel: on a Mac the application bundle, elsewhere the application over the
# simulated Mac, whose settings stay in ~/.config/Varnel/Varnel.conf between runs (FRESH=1
# starts with empty settings, for that run only). Without a display, the guided tour of
# varnel-sim instead, each step printed before what it did; only varnel-sim is built for it.
run: deps
ifeq ($(shell uname -s),Darwin)
	@$(call quiet_build,$(PRESET),varnel)
	open build/$(PRESET)/Varnel.app
else ifneq ($(DISPLAY)$(WAYLAND_DISPLAY),)
	@$(call quiet_build,$(PRESET),varnel)
	@build/$(PRESET)/varnel $(if $(FRESH),--empty-settings)
else
	@$(call quiet_build,$(PRESET),varnel-sim)
	@echo "No display here (DISPLAY and WAYLAND_DISPLAY are unset): the guided tour of"
	@echo "varnel-sim instead, examples/tour.vks, with what each step does below it."
	@echo
	@build/$(PRESET)/tools/varnel-sim/varnel-sim --echo examples/tour.vks
endif

# varnel-sim alone, without the Qt interface, in the build the tests share.
sim: deps
	@$(call quiet_build,$(PRESET),varnel-sim)
	@echo "build/$(PRESET)/tools/varnel-sim/varnel-sim is ready (--help lists its commands)."

# Brings translations/varnel_en.ts up to date with the texts in the sources (lupdate): a text
# added or changed shows there unfinished until its English is written; the tests fail until
# then.
translations: deps
	@$(call quiet_build,$(PRESET),update_translations)

# On a Mac, the release artefact: Varnel.dmg with a standalone Varnel.app, signed with the
# hardened runtime (ad hoc unless VARNEL_CODESIGN_IDENTITY names an identity) and checked.
dmg: build
	scripts/make-dmg build/$(PRESET)/Varnel.app Varnel.dmg

# What this Mac gives Varnel: permissions, secure input, input sources, the login item, a
# keyboard tap and the stored settings. Exit status 0 when the keyboard can be remapped.
# Started through Launch Services, so that macOS answers for Varnel and not for the terminal.
ifeq ($(shell uname -s),Darwin)
self-check: build
	scripts/self-check build/$(PRESET)/Varnel.app
else
self-check:
	@echo "make self-check examines a Mac; here Varnel runs over the simulated Mac."
endif

# Pictures of the window, the alert and the menu, light and dark, for docs/screenshots.
screenshots: deps
	@$(call quiet_build,$(PRESET),varnel-screenshot)
	build/$(PRESET)/tools/varnel-screenshot/varnel-screenshot docs/screenshots

# The cost of one event on the hot path, its allocations, and the instructions per event of
# the sentence, which are steady where times are not (docs/performance.md).
bench: bench-build
	build/bench/bench/varnel-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	@if command -v valgrind >/dev/null 2>&1; then scripts/bench-instructions build/bench/bench/varnel-bench; \
	else echo "No valgrind here: no instruction counts (make bench-instructions on Linux)."; fi

# The instructions per event alone, counted by valgrind's callgrind.
bench-instructions: bench-build
	scripts/bench-instructions build/bench/bench/varnel-bench

bench-build: deps
	@scripts/bootstrap $(if $(filter Darwin,$(shell uname -s)),,instructions)
	cmake --preset bench $(CMAKE_FLAGS)
	cmake --build --preset bench --parallel $(JOBS) --target varnel-bench

# Ten million random events through the whole controller, under the sanitizers.
SOAK_EVENTS ?= 10000000
soak: deps
	cmake --preset asan $(CMAKE_FLAGS)
	cmake --build --preset asan --parallel $(JOBS) --target varnel-soak
	build/asan/tests/varnel-soak $(SOAK_EVENTS)

# Each fuzz target for a bounded time, from its seed corpus (a copy in build/fuzz).
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := options_decoder:options settings_file:settings_file app_start:app_start \
	script_parser:script_parser
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
