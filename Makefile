# Entry points for players and developers; CMake does the real work.
BUILD      ?= build
JOBS       ?= 2
CMAKE_ARGS ?=
PREFIX     ?= $(HOME)/.local
DESTDIR    ?=
DEB_BUILD  ?= build-deb
FUZZ_SECONDS ?= 60
WEB_BUILD  ?= build-web
# Where scripts/build-web-deps keeps the browser's libraries, built once from Debian's sources.
WEB_CACHE  ?= $(HOME)/.cache/morvatek-web
WEB_PORT   ?= 8080
FUZZ_TARGETS = $(basename $(notdir $(filter-out fuzz/fuzz_support.cpp,$(wildcard fuzz/fuzz_*.cpp))))

# A player's set-up is the default: the game's own packages and targets. The developer targets below widen
# both: PROFILE picks what scripts/install-deps installs, OPTIONS what CMake builds.
PROFILE = run
OPTIONS =
# Developer builds stop at any compiler warning; a player's never does.
DEVELOPER_OPTIONS = -DMORVATEK_TESTS=ON -DMORVATEK_BENCH=ON -DMORVATEK_WERROR=ON
GAME_TARGETS = morvatek gamedata

.PHONY: all deps configure build game run test test-sdl2 web web-run test-web bench sanitize fuzz install uninstall dist \
	deb format clean

all: build

deps:
	@scripts/install-deps $(PROFILE)

configure: deps
	@cmake -S . -B $(BUILD) $(OPTIONS) $(CMAKE_ARGS) >/dev/null

# Every target of the configuration: for a player's, the game and its data.
build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The game and its data only, even in a build configured for development.
game: configure
	@cmake --build $(BUILD) -j$(JOBS) --target $(GAME_TARGETS)

run: game
	@cd $(BUILD) && ./morvatek

test: PROFILE = test
test: OPTIONS = $(DEVELOPER_OPTIONS)
test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The same suite built over SDL2, through the game's own SDL 1.2 layer in src/platform.
test-sdl2:
	@$(MAKE) --no-print-directory test BUILD=build-sdl2 PROFILE=sdl2 CMAKE_ARGS=-DMORVATEK_SDL2=ON

# The browser build in $(WEB_BUILD): the data comes from the native build's generator, the libraries from
# Debian's sources (scripts/build-web-deps). Debian's emscripten runs its tools with whichever node comes first
# on the path, which must find Debian's own JavaScript modules too.
web: export NODE_PATH = /usr/share/nodejs
web:
	@$(MAKE) --no-print-directory configure PROFILE=web
	@cmake --build $(BUILD) -j$(JOBS) --target gamedata
	@scripts/build-web-deps $(WEB_CACHE)
	@emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DMORVATEK_WEB_PREFIX=$(WEB_CACHE)/prefix \
		-DMORVATEK_WEB_DATA=$(abspath $(BUILD))/data >/dev/null
	@cmake --build $(WEB_BUILD) -j$(JOBS)
	@scripts/web-size $(WEB_BUILD)

# Serves the browser build on this machine only; the address is printed.
web-run: web
	@node web/serve.mjs $(WEB_BUILD) $(WEB_PORT)

# The browser build's own tests (the game in headless Chromium, the seeded matches under node against the
# native build's), after the browser build and the native test tools are built.
test-web: web
	@$(MAKE) --no-print-directory configure PROFILE=test OPTIONS="$(DEVELOPER_OPTIONS)" \
		CMAKE_ARGS="$(CMAKE_ARGS) -DMORVATEK_WEB_BUILD=$(abspath $(WEB_BUILD))"
	@cmake --build $(BUILD) -j$(JOBS) --target headless_match
	@cd $(BUILD) && ctest --output-on-failure -R '^web\.'


bench:
	@$(MAKE) --no-print-directory build BUILD=build-release PROFILE=test \
		OPTIONS="-DMORVATEK_BENCH=ON -DMORVATEK_WERROR=ON" \
		CMAKE_ARGS=-DCMAKE_BUILD_TYPE=Release
	@cd build-release && ./morvatek_bench --benchmark_out=bench.json --benchmark_out_format=json && ../scripts/bench-report bench.json .

sanitize: export ASAN_OPTIONS = abort_on_error=0:detect_leaks=1
sanitize: export LSAN_OPTIONS = suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0
sanitize: export UBSAN_OPTIONS = print_stacktrace=1:halt_on_error=1
sanitize:
	@$(MAKE) --no-print-directory test BUILD=build-asan CMAKE_ARGS="-DMORVATEK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"

fuzz: PROFILE = test
fuzz: deps
	@scripts/fuzz build build-fuzz
	@for target in $(FUZZ_TARGETS); do scripts/fuzz run build-fuzz $$target $(FUZZ_SECONDS) || exit 1; done

# The prefix is made absolute here, so that a relative PREFIX means the same to install and uninstall.
install: game
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$$(realpath -ms "$(PREFIX)")" --strip

uninstall:
	@DESTDIR="$(DESTDIR)" cmake -D PREFIX="$$(realpath -ms "$(PREFIX)")" -P cmake/uninstall.cmake

dist: game
	@cd $(BUILD) && cpack

# The Debian package, from a build of its own: the game it holds knows the full path of the package's data
# folder, under /usr.
deb:
	@$(MAKE) --no-print-directory configure BUILD=$(DEB_BUILD) PROFILE=deb \
		CMAKE_ARGS="-DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr $(CMAKE_ARGS)"
	@cmake --build $(DEB_BUILD) -j$(JOBS) --target $(GAME_TARGETS) packagedocs
	@cd $(DEB_BUILD) && cpack -G DEB

format:
	@scripts/check-format --fix

clean:
	@rm -rf build build-release build-asan build-fuzz build-sdl2 $(DEB_BUILD) $(WEB_BUILD)
