# The two commands of the README: `make demo` and `make test`.
# Both set up what the build needs (scripts/setup), build, and run.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all setup setup-peers build demo test sanitize clean

all: build

setup:
	@scripts/setup

# The peer programs the interoperability tests use; installed before CMake
# configures, since the tests that need them are registered only when found.
setup-peers:
	@scripts/setup --peers

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# Opens the bundled sample plate, prints its statistics and writes it back out
# (zek demo: out/demo/plate.dxf).
demo: build
	$(BUILD)/app/zek demo

# Every test: unit tests, golden transcripts and, where the sample corpus and
# the peer programs are present, the corpus round trip and interoperability.
test: setup-peers build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: setup-peers
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEK_SANITIZE=ON -DZEK_BUILD_BENCH=OFF
	cmake --build build-asan -j $(JOBS)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS) -LE interop

clean:
	rm -rf $(BUILD) build-asan out
