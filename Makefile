# The two everyday commands: `make gallery` and `make test`. Both install what is missing,
# configure CMake for mingw-w64 once and rebuild only what changed.
BUILD   ?= build
JOBS    ?= $(shell nproc)
SHOTS   ?= $(BUILD)/screenshots
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build test gallery bench fuzz monkey clean

all: build

deps:
	@scripts/ensure-deps

$(BUILD)/Makefile: | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake $(CMAKE_FLAGS)

configure: $(BUILD)/Makefile

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	scripts/winenv --build $(BUILD) ctest --test-dir $(BUILD) --output-on-failure $(ARGS)

# With a display the gallery opens its window; without one it renders every page to PNG.
gallery: build
	@if [ -n "$$DISPLAY" ] && [ -z "$(HEADLESS)" ]; then \
	  scripts/winenv --build $(BUILD) scripts/wine-exec $(BUILD)/bin/zaduv_gallery.exe; \
	else \
	  mkdir -p $(SHOTS) && \
	  env -u DISPLAY scripts/winenv --build $(BUILD) scripts/wine-exec $(BUILD)/bin/zaduv_gallery.exe --screenshots $(SHOTS); \
	fi

bench: build
	scripts/winenv --build $(BUILD) scripts/wine-exec $(BUILD)/bin/zaduv_bench.exe $(ARGS)

# Seeded random real input over every gallery page: MONKEY_SECONDS (600 by default) long,
# MONKEY_SEED replays a run, MONKEY_TRACE=1 prints every action.
monkey: build
	scripts/winenv --build $(BUILD) scripts/wine-exec $(BUILD)/bin/zaduv_monkey.exe

# The long run of the hardening engine: every exported class through FUZZ_CALLS random calls and
# FUZZ_CYCLES create/operate/paint/destroy cycles; ARGS="--seed=N --gtest_filter=Fuzz.CXListCtrl"
# replays one class.
FUZZ_CALLS  ?= 100000
FUZZ_CYCLES ?= 2000
fuzz: build
	scripts/winenv --build $(BUILD) scripts/wine-exec $(BUILD)/bin/hardening_tests.exe \
	  --calls=$(FUZZ_CALLS) --cycles=$(FUZZ_CYCLES) --gtest_filter='Fuzz.*:Neutrality.*' $(ARGS)

clean:
	rm -rf $(BUILD)
