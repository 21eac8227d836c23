# make test: install what is missing, build, run every test.
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: deps configure build test clean

deps:
	scripts/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

test: build
	ctest --preset $(PRESET) --output-on-failure

clean:
	rm -rf build
