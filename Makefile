# The program piano.
# make run:     install what is missing, build, install into the installation directory, start piano.
# make install: the same without starting it. PREFIX chooses another installation directory.
# make test:    install what is missing, build, run every test.
PRESET ?= default
# Extra configure arguments, e.g. CMAKE_ARGS=-DPIANO_WERROR=ON.
CMAKE_ARGS ?=
BUILD := build/$(PRESET)
PREFIX ?= $(HOME)/.local/share/Brenvik/Piano
INSTALL_DIR := $(abspath $(PREFIX))

.PHONY: deps configure build test install run screenshots clean

deps:
	scripts/install-deps

configure: deps
	cmake --preset $(PRESET) $(CMAKE_ARGS)

build: configure
	cmake --build --preset $(PRESET) -j2

test: build
	ctest --preset $(PRESET) --output-on-failure

install: build
	cmake --install $(BUILD) --prefix "$(INSTALL_DIR)"
	scripts/register-install "$(INSTALL_DIR)"

run: install
	cd "$(INSTALL_DIR)" && (nohup ./piano >/dev/null 2>&1 &)
	@echo "piano started from $(INSTALL_DIR)"

screenshots: build
	scripts/screenshots $(BUILD)

clean:
	rm -rf build
