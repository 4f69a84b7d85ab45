# The two commands of the README: `make demo` and `make test`.
# Both set up what the build needs (scripts/setup), build, and run.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all setup setup-peers build demo test sanitize fuzz soak bench clean

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

# The fuzz targets (fuzz/README.md) with libFuzzer, one after the other,
# FUZZ_TIME seconds each; fails when one found a crash (kept in
# fuzz/regressions/<target>/).
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME ?= 60
FUZZ_TARGETS ?= dxf_ascii dxf_binary definition_files input_grammar lisp_reader registry_file
FUZZ_CXX ?= clang++-14

fuzz:
	@scripts/setup --fuzz
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEK_FUZZ=ON \
	  -DCMAKE_CXX_COMPILER=$(FUZZ_CXX) $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target zek_fuzz_targets
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_TIME) $(FUZZ_TARGETS)

# The soak run (not part of `make test`): 10,000 random commands with random
# answers on the sample plates, every module loaded, each command checked.
# SOAK_SEED=N repeats a run; failure scripts land in out/soak/.
SOAK_SEED ?=
SOAK_COMMANDS ?= 10000
soak: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target zek-soak
	$(BUILD)/tools/soak/zek-soak --commands $(SOAK_COMMANDS) --scratch out/soak $(if $(SOAK_SEED),--seed $(SOAK_SEED))

# The benchmark suite (bench/README.md): a Release build of the bench programs,
# the peers installed (libdime, dxflib, ezdxf), the generated plates of 10^3 to
# 10^6 entities measured, one table printed and bench/results/latest.json.
BENCH_BUILD ?= build-bench

bench:
	@scripts/setup --peers
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target zek_bench_suite
	bench/run_suite.sh $(BENCH_BUILD) out/bench

clean:
	rm -rf $(BUILD) build-asan build-fuzz $(BENCH_BUILD) out
